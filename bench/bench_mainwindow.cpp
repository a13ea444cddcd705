// Times the work behind opening Wrenly: parsing and writing a full month, reading the
// configuration, and building the main window over two full months.
//   bench_mainwindow [rounds]

#include "app/MainWindow.h"
#include "data/Config.h"
#include "data/DaySerial.h"
#include "data/JobRecord.h"
#include "data/SafeFile.h"
#include "support/Fakes.h"
#include "support/TestFolder.h"

#include <QApplication>
#include <QElapsedTimer>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

MonthFile::Jobs fullMonth(int year, int month)
{
    MonthFile::Jobs jobs{};
    for (int i = 0; i < MonthFile::RecordCount; ++i) {
        JobRecord &j = jobs[size_t(i)];
        j.dataNo = i + 1;
        j.title = u"仕事の名前 "_s + QString::number(i + 1);
        j.startDate = DaySerial::fromDate(QDate(year, month, 1 + i % 28));
        j.endDate = j.startDate + 3;
        j.comments = QString(100, QChar(0x5185));
        j.customer = u"山田商店"_s;
        j.check = i % 3;
    }
    return jobs;
}

template <typename F> void measure(const char *what, int rounds, F &&f)
{
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < rounds; ++i)
        f();
    std::printf("%-40s %10.3f ms per round\n", what, double(t.nsecsElapsed()) / 1e6 / rounds);
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 50;

    const MonthFile::Jobs may = fullMonth(2005, 5);
    const QByteArray image = MonthFile::toBytes(may);
    measure("month file: parse 60 records", rounds * 10, [&] { (void)MonthFile::fromBytes(image); });
    measure("month file: serialise 60 records", rounds * 10, [&] { (void)MonthFile::toBytes(may); });

    TestFolder folder;
    folder.addShutter();
    folder.write(u"Y2005MAY.vxf"_s, image);
    folder.write(u"Y2005APR.vxf"_s, MonthFile::toBytes(fullMonth(2005, 4)));
    folder.write(Config::fileName(), Config::defaultFileBytes(folder.path()));
    const QByteArray config = folder.read(Config::fileName());
    measure("configuration: read 50 lines", rounds * 10, [&] { (void)Config::fromFileBytes(config); });
    measure("month file: crash-safe write", rounds,
            [&] { (void)SafeFile::write(folder.file(u"Y2005MAY.vxf"_s), image); });

    FakeServices fakes;
    measure("main window: build over two full months", rounds,
            [&] { MainWindow window(folder.path(), fakes.services); });
    return 0;
}
