#include "app/ProgramFolder.h"
#include "support/TestFolder.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace Qt::StringLiterals;

class ProgramFolderTest : public QObject
{
    Q_OBJECT

private slots:
    void choosesByRule_data();
    void choosesByRule();
    void userDataHomeFollowsXdg_data();
    void userDataHomeFollowsXdg();
    void prepareMakesFolderAndCopiesRuntimeFiles();
    void prepareKeepsFilesTheUserHas();
    void prepareNamesAFolderItCannotMake();
    void runtimeFolderInBuildTreeAndInstallation();
};

void ProgramFolderTest::choosesByRule_data()
{
    QTest::addColumn<QString>("home");
    QTest::addColumn<QString>("besideExecutable"); // a file in the executable's folder, or none
    QTest::addColumn<QString>("expected");         // "home", "exe" or "data"
    QTest::newRow("home wins over portable data") << u"H"_s << u"Config.vxc"_s << u"home"_s;
    QTest::newRow("data of earlier runs") << QString() << u"Config.vxc"_s << u"exe"_s;
    QTest::newRow("portable marker") << QString() << u"portable"_s << u"exe"_s;
    QTest::newRow("installed or fresh build") << QString() << QString() << u"data"_s;
    QTest::newRow("other files do not count") << QString() << u"Shutter.wav"_s << u"data"_s;
}

void ProgramFolderTest::choosesByRule()
{
    QFETCH(QString, home);
    QFETCH(QString, besideExecutable);
    QFETCH(QString, expected);
    TestFolder exe, data, homeFolder;
    if (!besideExecutable.isEmpty())
        exe.write(besideExecutable, "x");
    const QString chosen =
        ProgramFolder::choose(home.isEmpty() ? QString() : homeFolder.path(), exe.path(), data.path());
    const QString want = expected == "home"_L1  ? homeFolder.path()
                         : expected == "exe"_L1 ? exe.path()
                                                : data.path() + u"/Wrenly"_s;
    QCOMPARE(chosen, QDir::cleanPath(want));
}

void ProgramFolderTest::userDataHomeFollowsXdg_data()
{
    QTest::addColumn<QByteArray>("xdg");
    QTest::addColumn<QString>("expected");
    QTest::newRow("absolute") << QByteArray("/srv/data") << u"/srv/data"_s;
    QTest::newRow("relative is ignored") << QByteArray("data") << QDir::homePath() + u"/.local/share"_s;
    QTest::newRow("unset") << QByteArray() << QDir::homePath() + u"/.local/share"_s;
}

void ProgramFolderTest::userDataHomeFollowsXdg()
{
    QFETCH(QByteArray, xdg);
    QFETCH(QString, expected);
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    xdg.isNull() ? qunsetenv("XDG_DATA_HOME") : qputenv("XDG_DATA_HOME", xdg);
    const QString home = ProgramFolder::userDataHome();
    saved.isNull() ? qunsetenv("XDG_DATA_HOME") : qputenv("XDG_DATA_HOME", saved);
    QCOMPARE(home, expected);
}

void ProgramFolderTest::prepareMakesFolderAndCopiesRuntimeFiles()
{
    // A first start on a new account: neither ~/.local/share nor Wrenly's folder exists yet, and
    // the executable's folder is one the user cannot write to (nothing may be made there).
    TestFolder exe, account;
    exe.addShutter();
    exe.write(u"Sample1.JPG"_s, "jpeg");
    QFile::setPermissions(exe.path(), QFile::ReadOwner | QFile::ExeOwner);
    const QStringList before = QDir(exe.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    const QString folder = ProgramFolder::choose({}, exe.path(), account.path() + u"/.local/share"_s);

    QCOMPARE(ProgramFolder::prepare(folder, ProgramFolder::runtimeFolder(exe.path())), QString());
    QCOMPARE(folder, account.path() + u"/.local/share/Wrenly"_s);
    QVERIFY(QFile::exists(folder + u"/Shutter.wav"_s));
    QCOMPARE(QFile(folder + u"/Sample1.JPG"_s).size(), 4);
    QCOMPARE(QDir(exe.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
    QFile::setPermissions(exe.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

void ProgramFolderTest::prepareKeepsFilesTheUserHas()
{
    TestFolder runtime, folder;
    runtime.write(u"Sample1.JPG"_s, "new picture");
    folder.write(u"Sample1.JPG"_s, "mine");
    QCOMPARE(ProgramFolder::prepare(folder.path(), runtime.path()), QString());
    QCOMPARE(folder.read(u"Sample1.JPG"_s), QByteArray("mine"));
}

void ProgramFolderTest::prepareNamesAFolderItCannotMake()
{
    // Below a regular file no folder can be made, not even by root.
    TestFolder base;
    base.write(u"file"_s, "x");
    const QString problem = ProgramFolder::prepare(base.file(u"file/Wrenly"_s), base.path());
    QVERIFY(problem.contains(u"file/Wrenly"_s));
    QVERIFY(problem.contains(u"作成できません"_s));
}

void ProgramFolderTest::runtimeFolderInBuildTreeAndInstallation()
{
    TestFolder prefix;
    QDir(prefix.path()).mkpath(u"bin"_s);
    QDir(prefix.path()).mkpath(u"share/wrenly"_s);
    const QString bin = prefix.file(u"bin"_s);
    QCOMPARE(ProgramFolder::runtimeFolder(bin), prefix.file(u"share/wrenly"_s));
    prefix.write(u"bin/Shutter.wav"_s, "RIFF");
    QCOMPARE(ProgramFolder::runtimeFolder(bin), bin);
}

QTEST_GUILESS_MAIN(ProgramFolderTest)
#include "tst_programfolder.moc"
