#include "data/FolderArchive.h"
#include "support/TestFolder.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

#include <archive.h>
#include <archive_entry.h>

using namespace Qt::StringLiterals;

namespace {

// A gzip-compressed tar holding `names`, each file's content its own name, built with libarchive
// as another program would.
void writeTar(const QString &path, const QStringList &names)
{
    struct archive *a = archive_write_new();
    archive_write_add_filter_gzip(a);
    archive_write_set_format_pax_restricted(a);
    archive_write_open_filename(a, QFile::encodeName(path).constData());
    for (const QString &name : names) {
        const QByteArray bytes = name.toUtf8();
        archive_entry *e = archive_entry_new();
        archive_entry_set_pathname(e, bytes.constData());
        archive_entry_set_filetype(e, AE_IFREG);
        archive_entry_set_perm(e, 0644);
        archive_entry_set_size(e, bytes.size());
        archive_write_header(a, e);
        archive_write_data(a, bytes.constData(), size_t(bytes.size()));
        archive_entry_free(e);
    }
    archive_write_close(a);
    archive_write_free(a);
}

QStringList entryNames(const QString &path)
{
    QStringList names;
    struct archive *a = archive_read_new();
    archive_read_support_filter_all(a);
    archive_read_support_format_all(a);
    archive_entry *e = nullptr;
    if (archive_read_open_filename(a, QFile::encodeName(path).constData(), 10240) == ARCHIVE_OK) {
        while (archive_read_next_header(a, &e) == ARCHIVE_OK)
            names << QString::fromUtf8(archive_entry_pathname(e));
    }
    archive_read_free(a);
    names.sort();
    return names;
}

} // namespace

class FolderArchiveTest : public QObject
{
    Q_OBJECT
private slots:
    void writeThenRestore_bringsEveryDataFileBack();
    void restore_takesOnlyDataFolders_data();
    void restore_takesOnlyDataFolders();
};

void FolderArchiveTest::writeThenRestore_bringsEveryDataFileBack()
{
    TestFolder folder;
    const QStringList data{u"AUBREL/Y202405/Y2024055.dtf"_s, u"Config.vxc"_s, u"STEP/Y2024MAY1.vxs"_s,
                           u"Wrenly.ini"_s, u"Y2024MAY.vxf"_s};
    for (const QString &name : data)
        folder.write(name, name.toUtf8());
    folder.write(u"backup/2024-05/Y2024MAY.vxf.20240515-101530"_s, "old");
    folder.write(u".Y2024MAY.vxf.wrenly-a1B2c3"_s, "a save under way");
    QTemporaryDir out;
    const QString archive = out.filePath(u"Wrenly-20240515.tar.gz"_s);
    int lastPercent = -1;
    QVERIFY(FolderArchive::write(folder.path(), archive, [&](int percent) { lastPercent = percent; }));
    QCOMPARE(lastPercent, 100);
    QStringList expected;
    for (const QString &name : data)
        expected << u"Wrenly/"_s + name;
    QCOMPARE(entryNames(archive), expected);
    QCOMPARE(QDir(out.path()).entryList(QDir::Files | QDir::Hidden).size(), 1); // no temporary left

    folder.write(u"Y2024MAY.vxf"_s, "changed");
    QFile::remove(folder.file(u"STEP/Y2024MAY1.vxs"_s));
    folder.write(u"Y2024JUN.vxf"_s, "newer than the archive");
    QVERIFY(FolderArchive::restore(archive, folder.path()));
    for (const QString &name : data)
        QCOMPARE(folder.read(name), name.toUtf8());
    QCOMPARE(folder.read(u"Y2024JUN.vxf"_s), QByteArray("newer than the archive"));
    QCOMPARE(folder.read(u"backup/2024-05/Y2024MAY.vxf.20240515-101530"_s), QByteArray("old"));
}

void FolderArchiveTest::restore_takesOnlyDataFolders_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("refusal"); // empty: restored
    QTest::newRow("at the top, as tar -C Wrenly . writes")
        << QStringList{u"./Config.vxc"_s, u"./Y2024MAY.vxf"_s} << QString();
    QTest::newRow("under another top folder")
        << QStringList{u"Data/Config.vxc"_s, u"Data/Y2024MAY.vxf"_s} << QString();
    QTest::newRow("backups in it are passed over")
        << QStringList{u"Config.vxc"_s, u"backup/2024-05/Config.vxc.20240515-101530"_s} << QString();
    QTest::newRow("no configuration") << QStringList{u"Wrenly/Y2024MAY.vxf"_s} << u"Config.vxc"_s;
    QTest::newRow("two top folders") << QStringList{u"A/Config.vxc"_s, u"B/Y2024MAY.vxf"_s} << u"外"_s;
    QTest::newRow("up and out") << QStringList{u"Wrenly/Config.vxc"_s, u"Wrenly/../evil"_s} << u"外"_s;
    QTest::newRow("absolute") << QStringList{u"Config.vxc"_s, u"/tmp/evil"_s} << u"外"_s;
    QTest::newRow("not an archive") << QStringList{} << u"壊れて"_s;
}

void FolderArchiveTest::restore_takesOnlyDataFolders()
{
    QFETCH(QStringList, names);
    QFETCH(QString, refusal);
    TestFolder folder;
    folder.write(u"Config.vxc"_s, "mine");
    QTemporaryDir out;
    const QString archive = out.filePath(u"a.tar.gz"_s);
    if (names.isEmpty()) {
        QFile garbage(archive);
        QVERIFY(garbage.open(QIODevice::WriteOnly) && garbage.write("no archive at all") > 0);
    } else {
        writeTar(archive, names);
    }
    const SafeFile::Result r = FolderArchive::restore(archive, folder.path());
    QCOMPARE(bool(r), refusal.isEmpty());
    const QStringList left =
        QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    if (!r) {
        QVERIFY2(r.error.contains(refusal), qPrintable(r.error));
        QCOMPARE(left, QStringList{u"Config.vxc"_s});
        QCOMPARE(folder.read(u"Config.vxc"_s), QByteArray("mine"));
        return;
    }
    QCOMPARE(folder.read(u"Config.vxc"_s).endsWith("Config.vxc"), true);
    QVERIFY(!left.contains(u"backup"_s));
}

QTEST_GUILESS_MAIN(FolderArchiveTest)
#include "tst_folderarchive.moc"
