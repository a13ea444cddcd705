#include "support/MainWindowFixture.h"

#include "data/Config.h"

#include <QFile>

using namespace Qt::StringLiterals;

namespace {

// The main window with the Pellmark path set to `path` in its configuration.
void configurePellmark(MainWindowFixture &f, const QString &path)
{
    Config c = Config::fromFileBytes(Config::defaultFileBytes(f.folder.path()));
    c.pellPath = path;
    f.folder.write(Config::fileName(), c.toFileBytes());
}

void writeScript(const QString &path, const QByteArray &body)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\n" + body);
    file.close();
    file.setPermissions(file.permissions() | QFileDevice::ExeOwner | QFileDevice::ExeUser);
}

} // namespace

class TestPartnerLaunch : public QObject
{
    Q_OBJECT
private slots:
    void checks_data();
    void checks();
    void stubScript_runsFromPathWithSpaces();
};

void TestPartnerLaunch::checks_data()
{
    QTest::addColumn<QString>("configured");
    QTest::addColumn<QString>("made");    // what lies at the path: nothing, a script, a plain file, a folder
    QTest::addColumn<QString>("message"); // %1: the path
    QTest::newRow("missing file") << u"Pellmark"_s << QString() << u"Pellmark が存在しません."_s;
    QTest::newRow("copy under another name")
        << u"Pellmark2.exe"_s << u"script"_s << u"Pellmark 以外が設定されています."_s;
    QTest::newRow("other case") << u"PELLMARK.exe"_s << u"script"_s << QString();
    QTest::newRow("without extension") << u"pellmark"_s << u"script"_s << QString();
    QTest::newRow("not executable")
        << u"Pellmark"_s << u"plain"_s
        << u"Pellmark を起動できません.\r\n\r\n%1\r\n(実行が許可されていません)"_s;
    QTest::newRow("a folder") << u"Pellmark"_s << u"folder"_s
                              << u"Pellmark を起動できません.\r\n\r\n%1\r\n(フォルダーです)"_s;
}

void TestPartnerLaunch::checks()
{
    QFETCH(QString, configured);
    QFETCH(QString, made);
    QFETCH(QString, message);
    MainWindowFixture f;
    const QString path = f.folder.file(u"bin dir/"_s + configured);
    if (made == u"script")
        writeScript(path, "exit 0\n");
    else if (made == u"plain")
        f.folder.write(u"bin dir/"_s + configured, "#!/bin/sh\n");
    else if (made == u"folder")
        QVERIFY(QDir().mkpath(path));
    configurePellmark(f, path);
    f.start();
    f.fakes.dialogs.clear();
    f.trigger("pellmarkAction");
    if (message.isEmpty()) {
        QCOMPARE(f.fakes.launcher.started.size(), 1);
        QCOMPARE(f.fakes.launcher.started.first().program, path);
        QVERIFY(f.fakes.dialogs.shown.isEmpty());
    } else {
        QVERIFY(f.fakes.launcher.started.isEmpty());
        QCOMPARE(f.fakes.dialogs.texts(),
                 QStringList{message.contains(u"%1"_s) ? message.arg(path) : message});
        QCOMPARE(f.fakes.dialogs.shown.first().at, f.window->frameGeometry().topLeft() + QPoint(50, 200));
    }
}

// The real launcher: no shell between the path and the program, so spaces need no quoting.
void TestPartnerLaunch::stubScript_runsFromPathWithSpaces()
{
    MainWindowFixture f;
    const QString marker = f.folder.file(u"ran"_s);
    const QString path = f.folder.file(u"my programs/it's here/Pellmark"_s);
    writeScript(path, "echo \"$#\" > '" + marker.toUtf8() + "'\n");
    configurePellmark(f, path);
    QtProcessLauncher launcher;
    Services services{f.fakes.clock, f.fakes.dialogs, f.fakes.sound,
                      launcher,      f.fakes.tray,    f.fakes.notifier};
    MainWindow window(f.folder.path(), services);
    window.findChild<QAction *>(u"pellmarkAction"_s)->trigger();
    QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(marker).size() > 0, 5000);
    QCOMPARE(f.folder.read(u"ran"_s), QByteArray("0\n")); // started without arguments
}

QTEST_MAIN(TestPartnerLaunch)
#include "tst_partnerlaunch.moc"
