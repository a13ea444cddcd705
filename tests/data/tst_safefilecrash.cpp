#include "data/SafeFile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestSafeFileCrash : public QObject
{
    Q_OBJECT
private slots:
    void killedMidSave_leavesOldOrNewAndNextStartRemovesTemporaries();
};

// A writer is killed (SIGKILL, as a crash or a power cut of the process) at a random moment, 200
// times over. Each time the file must be one whole version, and the next start must clear away
// whatever temporary file the killed save left.
void TestSafeFileCrash::killedMidSave_leavesOldOrNewAndNextStartRemovesTemporaries()
{
    const QByteArray versions[2] = {QByteArray(27360, 'o'), QByteArray(10728, 'n')};
    QTemporaryDir dir;
    const QString path = dir.filePath(u"Y2005MAY.vxf"_s);
    QVERIFY(SafeFile::write(path, versions[0], SafeFile::Tail::Drop));
    const quint32 seed = QRandomGenerator::global()->generate();
    QRandomGenerator random(seed);
    qInfo("seed %u", seed);

    int leftovers = 0;
    for (int run = 0; run < 200; ++run) {
        QProcess writer;
        writer.start(QStringLiteral(CRASH_WRITER), {path});
        QVERIFY(writer.waitForStarted());
        // The process never ends by itself: this waits a random few milliseconds.
        QVERIFY(!writer.waitForFinished(int(random.bounded(30))));
        writer.kill();
        QVERIFY(writer.waitForFinished());
        QCOMPARE(writer.exitStatus(), QProcess::CrashExit);

        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray onDisk = file.readAll();
        QVERIFY2(onDisk == versions[0] || onDisk == versions[1],
                 qPrintable(u"run %1: %2 bytes"_s.arg(run).arg(onDisk.size())));

        const QStringList names = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
        leftovers += int(names.size()) - 1;
        SafeFile::removeLeftovers(dir.path());
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"Y2005MAY.vxf"_s});
    }
    qInfo("%d of 200 runs were killed with a temporary file on disk", leftovers);
}

QTEST_GUILESS_MAIN(TestSafeFileCrash)
#include "tst_safefilecrash.moc"
