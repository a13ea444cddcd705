#include "platform/Autostart.h"

#include "support/TestFolder.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

using namespace Qt::StringLiterals;

class TestAutostart : public QObject
{
    Q_OBJECT
private slots:
    void execLine_data();
    void execLine();
    void folder_followsXdgConfigHome();
    void addThenRemove_validEntry();
    void registration_data();
    void registration();
};

// Each row: a program path and the Exec line the entry holds for it, escaped as written in the file.
void TestAutostart::execLine_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("line");
    QTest::newRow("plain") << u"/usr/bin/wrenly"_s << u"Exec=/usr/bin/wrenly"_s;
    QTest::newRow("space") << u"/opt/My Apps/wrenly"_s << u"Exec=\"/opt/My Apps/wrenly\""_s;
    QTest::newRow("double quote") << u"/opt/a\"b/wrenly"_s << u"Exec=\"/opt/a\\\\\"b/wrenly\""_s;
    QTest::newRow("single quote") << u"/opt/it's/wrenly"_s << u"Exec=\"/opt/it's/wrenly\""_s;
    QTest::newRow("dollar and backtick") << u"/opt/$x`y/wrenly"_s << u"Exec=\"/opt/\\\\$x\\\\`y/wrenly\""_s;
    QTest::newRow("backslash is four") << u"/opt/a\\b/wrenly"_s << u"Exec=\"/opt/a\\\\\\\\b/wrenly\""_s;
    QTest::newRow("percent doubled") << u"/opt/100%/wrenly"_s << u"Exec=/opt/100%%/wrenly"_s;
    QTest::newRow("non-ASCII") << u"/home/太郎/wrenly"_s << u"Exec=/home/太郎/wrenly"_s;
}

void TestAutostart::execLine()
{
    QFETCH(QString, program);
    QFETCH(QString, line);
    const QStringList lines = QString::fromUtf8(Autostart::entryBytes({program}, u"/opt"_s)).split(u'\n');
    QCOMPARE(lines.filter(QRegularExpression(u"^Exec="_s)), QStringList{line});
    QCOMPARE(Autostart::execArguments(line.mid(5)), QStringList{program});
}

void TestAutostart::folder_followsXdgConfigHome()
{
    // The test runs with a private XDG_CONFIG_HOME: the user's real autostart folder is never touched.
    QCOMPARE(Autostart::userFolder(), qEnvironmentVariable("XDG_CONFIG_HOME") + u"/autostart"_s);
}

void TestAutostart::addThenRemove_validEntry()
{
    TestFolder folder;
    const QString program = folder.file(u"my \"odd\" programs/it's $here/wrenly"_s);
    const Autostart autostart(folder.file(u"config/autostart"_s), {program, u"--home"_s, u"/data/my data"_s},
                              folder.path());
    QVERIFY(!autostart.isRegistered());
    QVERIFY(autostart.add());
    QVERIFY(autostart.isRegistered());
    QCOMPARE(autostart.entryPath(), folder.file(u"config/autostart/Wrenly.desktop"_s));
    const QString text = QString::fromUtf8(folder.read(u"config/autostart/Wrenly.desktop"_s));
    QVERIFY(text.startsWith(u"[Desktop Entry]\n"_s));
    QVERIFY(text.contains(u"\nIcon=wrenly\n"_s));
    QVERIFY(text.contains(u"\nType=Application\n"_s));

    const QString validator = QStandardPaths::findExecutable(u"desktop-file-validate"_s);
    if (!validator.isEmpty()) {
        QProcess run;
        run.start(validator, {autostart.entryPath()});
        QVERIFY(run.waitForFinished(10000));
        const QByteArray said = run.readAllStandardOutput() + run.readAllStandardError();
        QVERIFY2(run.exitCode() == 0 && said.isEmpty(), said.constData());
    }

    QVERIFY(autostart.remove());
    QVERIFY(!autostart.isRegistered());
    QVERIFY(autostart.remove()); // already gone: nothing to do
}

// Each row: the data folder an existing entry starts ("none": no entry; empty: no --home), this
// start's, and whom the entry serves.
void TestAutostart::registration_data()
{
    using R = Autostart::Registration;
    QTest::addColumn<QString>("entryHome");
    QTest::addColumn<QString>("ourHome");
    QTest::addColumn<int>("expected");
    const QString odd = u"/data/100% \"mine\"/a\\b"_s;
    QTest::newRow("none") << u"none"_s << QString() << int(R::None);
    QTest::newRow("both the default folder") << QString() << QString() << int(R::ThisFolder);
    QTest::newRow("same home, odd characters") << odd << odd + u'/' << int(R::ThisFolder);
    QTest::newRow("another home") << odd << u"/data/b"_s << int(R::OtherFolder);
    QTest::newRow("default, we have a home") << QString() << u"/data/b"_s << int(R::OtherFolder);
}

void TestAutostart::registration()
{
    QFETCH(QString, entryHome);
    QFETCH(QString, ourHome);
    QFETCH(int, expected);
    const auto command = [](const QString &program, const QString &home) {
        return home.isEmpty() ? QStringList{program} : QStringList{program, u"--home"_s, home};
    };
    TestFolder folder;
    if (entryHome != u"none")
        QVERIFY(Autostart(folder.path(), command(u"/opt/wrenly"_s, entryHome), u"/"_s).add());
    QString found;
    QCOMPARE(int(Autostart(folder.path(), command(u"/usr/wrenly"_s, ourHome), u"/"_s).registration(&found)),
             expected);
    QCOMPARE(found, expected == int(Autostart::Registration::OtherFolder) ? entryHome : QString());
}

QTEST_MAIN(TestAutostart)
#include "tst_autostart.moc"
