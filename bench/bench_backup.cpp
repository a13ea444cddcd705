// Times the backups at their largest realistic size: a save that keeps a version and prunes, over
// a backup folder full after 60 days of heavy use (40 saves of the month a day, five day files and
// two step files a day); listing every version for the restore window; and archiving a data folder
// of 20 years (240 full months, two years of day files) and putting it back.
//   bench_backup [rounds]

#include "data/BackupStore.h"
#include "data/DaySerial.h"
#include "data/FolderArchive.h"
#include "data/JobRecord.h"
#include "data/RecordRestore.h"
#include "support/TestFolder.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

QByteArray fullMonth(int year, int month)
{
    MonthFile::Jobs jobs{};
    for (int i = 0; i < MonthFile::RecordCount; ++i) {
        JobRecord &j = jobs[size_t(i)];
        j.dataNo = i + 1;
        j.title = u"仕事の名前 "_s + QString::number(i + 1);
        j.startDate = DaySerial::fromDate(QDate(year, month, 1 + i % 28));
        j.endDate = j.startDate + 3;
        j.comments = QString(100, QChar(0x5185));
        j.check = i % 3;
    }
    return MonthFile::toBytes(jobs);
}

template <typename F> void measure(const char *what, int rounds, F &&f)
{
    QElapsedTimer t;
    t.start();
    for (int i = 0; i < rounds; ++i)
        f();
    std::printf("%-52s %10.3f ms per round\n", what, double(t.nsecsElapsed()) / 1e6 / rounds);
}

qint64 filesUnder(const QString &folder)
{
    qint64 n = 0;
    for (QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories); it.hasNext(); it.next())
        ++n;
    return n;
}

// 60 days of heavy use: 40 saves of the month a day, five of a day file, two of step files.
void fillHistory(const TestFolder &folder, QDateTime &now, const QByteArray &month)
{
    const QByteArray day(10728, 'd');
    const QByteArray step(12672, 's');
    QDir().mkpath(folder.file(u"STEP"_s));
    for (int d = 0; d < 60; ++d, now = now.addDays(1)) {
        const QDate date = now.date();
        const QString dayFolder = folder.file(u"AUBREL/Y"_s + date.toString(u"yyyyMM"_s));
        QDir().mkpath(dayFolder);
        for (int i = 0; i < 40; ++i) {
            now = now.addSecs(60);
            (void)SafeFile::write(folder.file(u"Y2024MAY.vxf"_s), month);
        }
        for (int i = 0; i < 5; ++i)
            (void)SafeFile::write(dayFolder + u"/Y"_s + date.toString(u"yyyyMMd"_s) + u".dtf"_s, day);
        for (int i = 0; i < 2; ++i)
            (void)SafeFile::write(folder.file(u"STEP/Y2024MAY"_s + QString::number(d % 10 + 1) + u".vxs"_s),
                                  step);
        now.setTime(QTime(9, 0));
    }
}

// A data folder of 20 years: 240 full months and two years of day files.
void benchArchive(int rounds)
{
    TestFolder twenty;
    for (int year = 2005; year < 2025; ++year) {
        for (int m = 1; m <= 12; ++m)
            twenty.write(MonthFile::fileName(year, m), fullMonth(year, m));
    }
    for (QDate date(2023, 1, 1); date < QDate(2025, 1, 1); date = date.addDays(1))
        twenty.write(u"AUBREL/Y"_s + date.toString(u"yyyyMM/'Y'yyyyMMd"_s) + u".dtf"_s,
                     QByteArray(10728, 'd'));
    twenty.write(u"Config.vxc"_s, "config");
    QTemporaryDir out;
    const QString archive = out.filePath(u"Wrenly.tar.gz"_s);
    measure("archive of 20 years (240 months, 731 days)", rounds,
            [&] { (void)FolderArchive::write(twenty.path(), archive); });
    std::printf("archive size: %lld bytes\n", QFileInfo(archive).size());
    measure("restore of that archive", rounds, [&] { (void)FolderArchive::restore(archive, twenty.path()); });
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 50;

    TestFolder folder;
    QDateTime now(QDate(2024, 3, 1), QTime(9, 0));
    BackupStore store(folder.path(), [&] { return now; });
    const QByteArray month = fullMonth(2024, 5);
    const QString monthFile = folder.file(u"Y2024MAY.vxf"_s);
    fillHistory(folder, now, month);
    std::printf("backup folder after 60 days: %lld versions\n", filesUnder(store.folder()));

    measure("save of a month file, no backups", rounds, [&] {
        const BackupStore::Pause off(store);
        (void)SafeFile::write(monthFile, month);
    });
    measure("save of a month file, kept and pruned", rounds, [&] {
        now = now.addSecs(1);
        (void)SafeFile::write(monthFile, month);
    });
    measure("list every version (restore window)", rounds, [&] { (void)store.files(); });
    QList<BackupRules::Version> versions;
    for (const BackupStore::File &file : store.files()) {
        if (file.relativePath == u"Y2024MAY.vxf"_s)
            versions = file.versions;
    }
    std::printf("versions of the month file: %lld\n", qint64(versions.size()));
    measure("compare each with the file now (restore window)", qMax(1, rounds / 10), [&] {
        for (const BackupRules::Version &v : versions) {
            QByteArray bytes;
            (void)SafeFile::read(store.pathOf(v), &bytes, MonthFile::Size);
            (void)RecordRestore::compare(bytes, month);
        }
    });
    benchArchive(qMax(1, rounds / 10));
    return 0;
}
