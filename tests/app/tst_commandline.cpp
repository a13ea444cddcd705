#include "app/CommandLine.h"
#include "data/FolderArchive.h"
#include "support/TestFolder.h"

#include <QProcess>
#include <QTemporaryDir>

#include <QTest>

using namespace Qt::StringLiterals;

class CommandLineTest : public QObject
{
    Q_OBJECT

private slots:
    void parses_data();
    void parses();
    void backup_writesArchiveWithoutDisplay();
};

using Action = CommandLine::Action;

void CommandLineTest::parses_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<Action>("action");
    QTest::addColumn<QString>("home");
    QTest::addColumn<QString>("messageHas");
    QTest::addColumn<int>("status");
    QTest::newRow("nothing") << QStringList{} << Action::Run << QString() << QString() << 0;
    QTest::newRow("--help") << QStringList{u"--help"_s} << Action::ShowHelp << QString() << u"--home"_s << 0;
    QTest::newRow("-h") << QStringList{u"-h"_s} << Action::ShowHelp << QString() << u"使い方"_s << 0;
    QTest::newRow("--version") << QStringList{u"--version"_s} << Action::ShowVersion << QString()
                               << u"Wrenly " WRENLY_VERSION "\n"_s << 0;
    QTest::newRow("--home DIR") << QStringList{u"--home"_s, u"/tmp/a b"_s} << Action::Run << u"/tmp/a b"_s
                                << QString() << 0;
    QTest::newRow("--home=DIR") << QStringList{u"--home=/d"_s} << Action::Run << u"/d"_s << QString() << 0;
    QTest::newRow("--minimized") << QStringList{u"--minimized"_s, u"--home=/d"_s} << Action::Run << u"/d"_s
                                 << QString() << 0;
    QTest::newRow("Qt's options pass") << QStringList{u"-platform"_s, u"offscreen"_s, u"-reverse"_s}
                                       << Action::Run << QString() << QString() << 0;
    QTest::newRow("unknown option") << QStringList{u"--bogus"_s} << Action::Fail << QString()
                                    << u"不明なオプションです: bogus"_s << 2;
    QTest::newRow("bundled letters are not options")
        << QStringList{u"-hv"_s} << Action::Fail << QString() << u"hv"_s << 2;
    QTest::newRow("missing value") << QStringList{u"--home"_s} << Action::Fail << QString() << u"--home"_s
                                   << 2;
    QTest::newRow("empty value") << QStringList{u"--home="_s} << Action::Fail << QString() << u"--home"_s
                                 << 2;
    QTest::newRow("export options alone")
        << QStringList{u"--from"_s, u"2024-01"_s} << Action::Fail << QString() << u"--export"_s << 2;
    QTest::newRow("--backup FILE") << QStringList{u"--home"_s, u"/d"_s, u"--backup"_s, u"w.tar.gz"_s}
                                   << Action::Backup << u"/d"_s << QString() << 0;
    QTest::newRow("--backup without a file")
        << QStringList{u"--backup"_s} << Action::Fail << QString() << u"--backup"_s << 2;
    QTest::newRow("--help before --backup")
        << QStringList{u"--help"_s, u"--backup=w"_s} << Action::ShowHelp << QString() << u"--backup"_s << 0;
    QTest::newRow("file argument") << QStringList{u"a.dtf"_s} << Action::Fail << QString() << u"a.dtf"_s << 2;
}

void CommandLineTest::parses()
{
    QFETCH(QStringList, arguments);
    QFETCH(Action, action);
    QFETCH(QString, home);
    QFETCH(QString, messageHas);
    QFETCH(int, status);
    const CommandLine line = CommandLine::parse(QStringList{u"wrenly"_s} + arguments);
    QCOMPARE(line.action, action);
    QCOMPARE(line.home, home);
    QCOMPARE(line.minimized, arguments.contains(u"--minimized"_s));
    QVERIFY2(line.message.contains(messageHas), qPrintable(line.message));
    QCOMPARE(line.exitStatus(), status);
    if (action == Action::Fail)
        QVERIFY(line.message.contains(u"wrenly --help"_s));
}

void CommandLineTest::backup_writesArchiveWithoutDisplay()
{
    TestFolder folder;
    folder.write(u"Config.vxc"_s, "config");
    QTemporaryDir out;
    QProcess wrenly;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(u"QT_QPA_PLATFORM"_s);
    env.remove(u"DISPLAY"_s);
    env.remove(u"WAYLAND_DISPLAY"_s);
    wrenly.setProcessEnvironment(env);
    wrenly.setWorkingDirectory(out.path());
    const auto run = [&](const QString &home) {
        wrenly.start(QStringLiteral(WRENLY_PROGRAM), {u"--home"_s, home, u"--backup"_s, u"w.tar.gz"_s});
        return wrenly.waitForFinished(30000) ? wrenly.exitCode() : -1;
    };
    QCOMPARE(run(folder.path()), 0);
    QTemporaryDir restored;
    QVERIFY(FolderArchive::restore(out.filePath(u"w.tar.gz"_s), restored.path()));
    QFile config(restored.filePath(u"Config.vxc"_s));
    QVERIFY(config.open(QIODevice::ReadOnly));
    QCOMPARE(config.readAll(), QByteArray("config"));
    QCOMPARE(run(folder.file(u"missing"_s)), 1);
    QVERIFY(QString::fromLocal8Bit(wrenly.readAllStandardError()).contains(u"missing"_s));
}

QTEST_GUILESS_MAIN(CommandLineTest)
#include "tst_commandline.moc"
