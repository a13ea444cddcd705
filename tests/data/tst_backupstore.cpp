#include "data/BackupStore.h"
#include "data/RecordRestore.h"
#include "data/Session.h"
#include "support/FileSizeLimit.h"
#include "support/TestFolder.h"

#include <QTest>

using namespace Qt::StringLiterals;
using Outcome = RecordRestore::Outcome::Kind;

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A month file whose slots hold records titled by `titles` (an empty title leaves the slot empty).
QByteArray month(const QStringList &titles)
{
    MonthFile::Jobs jobs{};
    for (int i = 0; i < titles.size(); ++i) {
        jobs[size_t(i)].title = titles[i];
        jobs[size_t(i)].dataNo = i + 1;
    }
    return MonthFile::toBytes(jobs);
}

QStringList titles(const MonthFile::Jobs &jobs, int n)
{
    QStringList t;
    for (int i = 0; i < n; ++i)
        t << jobs[size_t(i)].title;
    return t;
}

// A data folder with its store, on a clock the test sets.
struct Fixture
{
    TestFolder folder;
    QDateTime now{QDate(2024, 5, 15), QTime(10, 15, 30)};
    BackupRules::Policy policy;
    std::unique_ptr<BackupStore> store;

    BackupStore &start()
    {
        store = std::make_unique<BackupStore>(
            folder.path(), [this] { return now; }, policy);
        return *store;
    }
    // Writes as every save does; a version of the old content is kept on the way.
    bool save(const QString &name, const QByteArray &bytes)
    {
        QDir().mkpath(QFileInfo(folder.file(name)).path());
        return bool(SafeFile::write(folder.file(name), bytes, SafeFile::Tail::Drop));
    }
};

} // namespace

class BackupStoreTest : public QObject
{
    Q_OBJECT
private slots:
    void saveKeepsOldContent_restoreRoundTrip_data();
    void saveKeepsOldContent_restoreRoundTrip();
    void saveSucceeds_whenBackupFails_reportedOnce();
    void saves_pruneByAgeAndSize();
    void recordRestore_data();
    void recordRestore();
};

void BackupStoreTest::saveKeepsOldContent_restoreRoundTrip_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("hardLinks");
    QTest::addColumn<bool>("kept");
    for (const bool links : {true, false}) {
        const char *how = links ? ", linked" : ", copied";
        for (const QString &name :
             {u"Y2024MAY.vxf"_s, u"STEP/Y2024MAY3.vxs"_s, u"AUBREL/Y202405/Y2024055.dtf"_s, u"Routines.rdf"_s,
              u"LEntries.lef"_s, u"Config.vxc"_s})
            QTest::addRow("%s%s", qPrintable(name), how) << name << links << true;
    }
    QTest::newRow("scratch day") << u"Temporary.dtf"_s << true << false;
    QTest::newRow("text output") << u"Y2024MAY.txt"_s << true << false;
}

void BackupStoreTest::saveKeepsOldContent_restoreRoundTrip()
{
    QFETCH(QString, name);
    QFETCH(bool, hardLinks);
    QFETCH(bool, kept);
    Fixture f;
    f.policy.hardLinks = hardLinks;
    BackupStore &store = f.start();
    QVERIFY(f.save(name, "first")); // a new file: nothing to keep
    f.now = f.now.addSecs(60);
    QVERIFY(f.save(name, "second"));
    const QList<BackupStore::File> files = store.files();
    QCOMPARE(files.size(), kept ? 1 : 0);
    if (!kept)
        return;
    QCOMPARE(files[0].relativePath, name);
    QCOMPARE(files[0].versions.size(), 1);
    const BackupRules::Version first = files[0].versions[0];
    QCOMPARE(first.name, u"2024-05/"_s + name + u".20240515-101630"_s);
    QCOMPARE(readAll(store.pathOf(first)), QByteArray("first"));

    QVERIFY(store.restore(first));
    QCOMPARE(f.folder.read(name), QByteArray("first"));
    // The restore kept what it replaced, once, in the same second as a sequence number.
    const QList<BackupRules::Version> after = store.files().constFirst().versions;
    QCOMPARE(after.size(), 2);
    QCOMPARE(after[0].sequence, 1);
    QCOMPARE(readAll(store.pathOf(after[0])), QByteArray("second"));
}

void BackupStoreTest::saveSucceeds_whenBackupFails_reportedOnce()
{
    Fixture f;
    f.policy.hardLinks = false; // a copy writes bytes, which the size limit stops
    BackupStore &store = f.start();
    QStringList reports;
    store.setFailureHandler([&](const QString &text) { reports << text; });
    const QByteArray big(8000, 'o');
    const QList<QByteArray> smalls{QByteArray(1000, 'a'), QByteArray(1000, 'b')};
    for (const QByteArray &small : smalls) {
        f.folder.write(u"Config.vxc"_s, big);
        const FileSizeLimit limit(4000);
        QVERIFY(f.save(u"Config.vxc"_s, small));
        QCOMPARE(f.folder.read(u"Config.vxc"_s), small);
    }
    QCOMPARE(reports.size(), 1);
    QVERIFY(reports[0].contains(u"Config.vxc"_s) && reports[0].contains(u"保存はできています"_s));
    QVERIFY(store.files().isEmpty());
    // A backup that works again re-arms the report.
    QVERIFY(f.save(u"Config.vxc"_s, "c"));
    f.folder.write(u"Config.vxc"_s, big);
    const FileSizeLimit limit(4000);
    QVERIFY(f.save(u"Config.vxc"_s, "d"));
    QCOMPARE(reports.size(), 2);
}

void BackupStoreTest::saves_pruneByAgeAndSize()
{
    Fixture f;
    f.policy.maxTotalBytes = 250;
    BackupStore &store = f.start();
    QVERIFY(f.save(u"AUBREL/Y202403/Y2024031.dtf"_s, QByteArray(100, 'd')));
    QVERIFY(f.save(u"AUBREL/Y202403/Y2024031.dtf"_s, QByteArray(100, 'e')));
    QCOMPARE(store.files().size(), 1);
    // 61 days later the day file is saved no more; the first save of the day prunes it anyway.
    f.now = f.now.addDays(61);
    for (char c : {'a', 'b', 'c', 'd', 'e'}) {
        f.now = f.now.addSecs(1);
        QVERIFY(f.save(u"Y2024JUL.vxf"_s, QByteArray(100, c)));
    }
    const QList<BackupStore::File> files = store.files();
    QCOMPARE(files.size(), 1);
    QCOMPARE(files[0].relativePath, u"Y2024JUL.vxf"_s);
    QCOMPARE(files[0].versions.size(), 2); // 250 bytes hold two of 100
    QCOMPARE(readAll(store.pathOf(files[0].versions[0])), QByteArray(100, 'd'));
    QVERIFY(!QFileInfo::exists(store.folder() + u"/2024-05"_s)); // emptied folders go too
}

void BackupStoreTest::recordRestore_data()
{
    QTest::addColumn<QList<int>>("chosen");
    QTest::addColumn<bool>("changedOutside");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QStringList>("after");
    const QStringList now{u"a1"_s, u"a2"_s, u"a3"_s, QString(), QString()};
    QTest::newRow("a changed and a removed record")
        << QList{1, 3} << false << Outcome::Restored
        << QStringList{u"a1"_s, u"b2"_s, u"a3"_s, u"b4"_s, QString()};
    QTest::newRow("beyond an empty slot") << QList{4} << false << Outcome::HidesRecord << now;
    QTest::newRow("emptying a slot hides the rest") << QList{0} << false << Outcome::HidesRecord << now;
    QTest::newRow("file changed by another program") << QList{1} << true << Outcome::ChangedOnDisk << now;
    QTest::newRow("nothing chosen") << QList<int>{} << false << Outcome::NothingChosen << now;
}

void BackupStoreTest::recordRestore()
{
    QFETCH(QList<int>, chosen);
    QFETCH(bool, changedOutside);
    QFETCH(Outcome, outcome);
    QFETCH(QStringList, after);
    Fixture f;
    BackupStore &store = f.start();
    const QString name = u"Y2024MAY.vxf"_s;
    const QByteArray old = month({QString(), u"b2"_s, u"b3"_s, u"b4"_s, u"b5"_s});
    const QByteArray present = month({u"a1"_s, u"a2"_s, u"a3"_s});
    f.folder.write(name, old);
    QVERIFY(f.save(name, present));
    Session session(f.folder.path());
    session.startDay(QDate(2024, 5, 15));
    QVERIFY(session.load(MonthKind::Current));
    const BackupRules::Version version = store.files().constFirst().versions.constFirst();
    const RecordRestore::Comparison c = RecordRestore::compare(old, present);
    QCOMPARE(c.count, 0);
    QCOMPARE(c.changed, (QList{1, 2}));
    QCOMPARE(c.added, QList{0});
    QCOMPARE(c.removed, (QList{3, 4}));
    if (changedOutside)
        f.folder.write(name, month({u"x1"_s}));
    const QByteArray onDisk = f.folder.read(name);

    const RecordRestore::Outcome o = RecordRestore::restore(session, store, version, chosen);
    QCOMPARE(o.kind, outcome);
    QCOMPARE(o.month, MonthKind::Current);
    if (outcome != Outcome::Restored) {
        QCOMPARE(f.folder.read(name), onDisk);
        QCOMPARE(titles(session.jobs(MonthKind::Current), 5), after);
        return;
    }
    QCOMPARE(titles(MonthFile::fromBytes(f.folder.read(name)), 5), after);
    QCOMPARE(titles(session.jobs(MonthKind::Current), 5), after);
    QCOMPARE(session.count(MonthKind::Current), 4);
    QCOMPARE(store.files().constFirst().versions.size(), 2); // the content before the restore
    // What the session knows of the file is right: the next save is no "changed by another program".
    JobRecord edited;
    edited.title = u"a1'"_s;
    QVERIFY(session.storeRecord(MonthKind::Current, 0, edited));
}

QTEST_GUILESS_MAIN(BackupStoreTest)
#include "tst_backupstore.moc"
