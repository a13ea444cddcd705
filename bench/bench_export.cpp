// Times the largest realistic export: 20 years of full months (240 month files, 14,400 records
// with comments, a step plan for every tenth job) to CSV in both encodings and to iCalendar, and a
// month of full days of the daily plan to iCalendar. Reading the files and writing the result
// crash-safe are part of it.
//   bench_export [rounds]

#include "data/DailyPlanPaths.h"
#include "data/DayFile.h"
#include "data/DaySerial.h"
#include "data/JobRecord.h"
#include "data/StepFile.h"
#include "export/Exporter.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

constexpr int FirstYear = 2005;
constexpr int Years = 20;

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(path));
}

MonthFile::Jobs fullMonth(int year, int month)
{
    MonthFile::Jobs jobs{};
    for (int i = 0; i < MonthFile::RecordCount; ++i) {
        JobRecord &j = jobs[size_t(i)];
        j.dataNo = i + 1;
        j.title = (i % 10 == 0 ? u"[STEP]"_s : QString()) + u"見積書の作成, 第"_s + QString::number(i + 1) +
                  u"版"_s;
        j.entryDate = DaySerial::fromDate(QDate(year, month, 1));
        j.startDate = DaySerial::fromDate(QDate(year, month, 1 + i % 28));
        j.endDate = j.startDate + 5;
        j.comments = u"打ち合わせの結果を反映する.\r\n\"至急\" と言われている, 来週まで."_s +
                     QString(60, QChar(0x5185));
        j.customer = u"山田商店"_s;
        j.jobNo = u"J-"_s + QString::number(year * 100 + month);
        j.jobType = u"設計"_s;
        j.check = i % 3;
    }
    return jobs;
}

void makeData(const QString &folder)
{
    QDir(folder).mkpath(StepFile::folderName());
    for (int y = FirstYear; y < FirstYear + Years; ++y) {
        for (int m = 1; m <= 12; ++m) {
            const MonthFile::Jobs jobs = fullMonth(y, m);
            const QString name = MonthFile::fileName(y, m);
            writeFile(folder + u'/' + name, MonthFile::toBytes(jobs));
            for (int i = 0; i < MonthFile::RecordCount; i += 10) {
                StepFile step = StepFile::newFor(jobs[size_t(i)], y, m, jobs[size_t(i)].startDate, name);
                step.groups[1].planStart = jobs[size_t(i)].startDate;
                step.groups[1].planEnd = jobs[size_t(i)].endDate;
                writeFile(folder + u'/' + StepFile::folderName() + u'/' + StepFile::fileName(name, i + 1),
                          step.toBytes());
            }
        }
    }
    const QDate first(FirstYear + Years - 1, 12, 1);
    QDir().mkpath(DailyPlanPaths::monthFolder(folder, first));
    for (QDate d = first; d.month() == 12; d = d.addDays(1)) {
        DayFile day;
        for (int k = 0; k < PadSlots; ++k) {
            SchedulePadRecord &pad = day.pads[size_t(k)];
            pad.padNo = k + 1;
            pad.keyword = u"会議"_s;
            pad.content = u"定例の打ち合わせ"_s;
            pad.memo = u"資料を持参"_s;
            pad.barColor = 0x0000FF;
            pad.startHour = 6 + k % 6;
            pad.startMinute = 0;
            pad.endHour = 6 + k % 6;
            pad.endMinute = 30;
        }
        day.diary.title1 = u"今日の反省"_s;
        day.diary.text1 = u"よく働いた."_s;
        writeFile(DailyPlanPaths::dayFile(folder, d), day.toBytes());
    }
}

void measure(const char *what, int rounds, const ExportRequest &request)
{
    std::vector<double> times;
    std::vector<double> cpu; // unlike the wall clock, not stretched by other programs' load
    qsizetype size = 0;
    int jobs = 0;
    for (int r = 0; r < rounds; ++r) {
        QElapsedTimer t;
        t.start();
        const std::clock_t c0 = std::clock();
        Exporter exporter(request);
        if (!exporter.run())
            qFatal("export failed: %s", qPrintable(exporter.failure().error));
        const QByteArray bytes = exporter.bytes();
        if (!Exporter::write(request.folder + u"/export.out"_s, bytes))
            qFatal("cannot write the export");
        size = bytes.size();
        times.push_back(double(t.nsecsElapsed()) / 1e6);
        cpu.push_back(double(std::clock() - c0) * 1000.0 / CLOCKS_PER_SEC);
        jobs = exporter.jobCount();
    }
    std::sort(times.begin(), times.end());
    std::sort(cpu.begin(), cpu.end());
    std::printf("%-44s %7.1f ms median (%7.1f ms CPU), %7.1f ms max  (%d jobs, %lld bytes)\n", what,
                times[times.size() / 2], cpu[cpu.size() / 2], times.back(), jobs,
                static_cast<long long>(size));
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    QTemporaryDir folder;
    makeData(folder.path());

    ExportRequest request;
    request.folder = folder.path();
    request.months = std::pair(YearMonth{FirstYear, 1}, YearMonth{FirstYear + Years - 1, 12});
    request.stamp = QDateTime(QDate(2025, 1, 1), QTime(9, 0));
    measure("240 months to CSV, UTF-8", rounds, request);
    request.encoding = Csv::Encoding::ShiftJis;
    measure("240 months to CSV, Shift-JIS", rounds, request);
    request.format = ExportRequest::Format::ICalendar;
    measure("240 months to iCalendar (+ 2,400 step plans)", rounds, request);
    request.months.reset();
    request.days = std::pair(QDate(FirstYear + Years - 1, 12, 1), QDate(FirstYear + Years - 1, 12, 31));
    measure("31 full days to iCalendar", rounds, request);
    return 0;
}
