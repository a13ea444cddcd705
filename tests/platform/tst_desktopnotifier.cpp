#include "platform/DesktopNotifier.h"

#include "support/Fakes.h"

#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryFile>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {

const QString serviceName = u"org.freedesktop.Notifications"_s;
const QString objectPath = u"/org/freedesktop/Notifications"_s;

} // namespace

// A notification service of our own: records each call and answers with its number.
class RecordingServer : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    struct Call
    {
        QString app;
        QString summary;
        QString body;
        QStringList actions;
        QVariantMap hints;
    };
    QList<Call> calls;

public slots:
    uint Notify(const QString &app, uint, const QString &, const QString &summary, const QString &body,
                const QStringList &actions, const QVariantMap &hints, int)
    {
        calls.append({app, summary, body, actions, hints});
        return 100 + uint(calls.size());
    }
};

class TestDesktopNotifier : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void notify_reachesServiceAndActionsComeBack();
    void noService_trayMessageStandsIn();
    void noBusNoTray_nothing();

private:
    QProcess m_bus;
    QTemporaryFile m_config;
    QString m_address;
};

// A private session bus that starts no service of the machine's by itself.
void TestDesktopNotifier::initTestCase()
{
    QVERIFY(m_config.open());
    m_config.write("<busconfig><type>session</type><listen>unix:tmpdir=/tmp</listen>"
                   "<policy context=\"default\"><allow send_destination=\"*\"/><allow own=\"*\"/></policy>"
                   "</busconfig>");
    m_config.close();
    m_bus.start(u"dbus-daemon"_s,
                {u"--config-file="_s + m_config.fileName(), u"--print-address"_s, u"--nofork"_s});
    QVERIFY2(m_bus.waitForReadyRead(10000), "dbus-daemon (Debian's dbus) did not start");
    m_address = QString::fromLocal8Bit(m_bus.readLine()).trimmed();
    QVERIFY(!m_address.isEmpty());
}

void TestDesktopNotifier::cleanupTestCase()
{
    m_bus.terminate();
    m_bus.waitForFinished(5000);
}

void TestDesktopNotifier::notify_reachesServiceAndActionsComeBack()
{
    QDBusConnection serverBus = QDBusConnection::connectToBus(m_address, u"server"_s);
    RecordingServer server;
    QVERIFY(serverBus.registerObject(objectPath, &server, QDBusConnection::ExportAllSlots));
    QVERIFY(serverBus.registerService(serviceName));
    FakeTray tray;
    DesktopNotifier notifier(tray, QDBusConnection::connectToBus(m_address, u"client"_s));
    QSignalSpy actions(&notifier, &Notifier::actionInvoked);
    QSignalSpy closed(&notifier, &Notifier::closed);

    const quint32 first = notifier.notify({u"10:30 会議"_s, u"a < b & c"_s, {}, Notifier::Urgency::Normal});
    const quint32 second = notifier.notify({u"本日終了予定"_s,
                                            u"x"_s,
                                            {{u"default"_s, u"開く"_s}, {u"snooze"_s, u"後で"_s}},
                                            Notifier::Urgency::Critical});
    QTRY_COMPARE(server.calls.size(), 2);
    QVERIFY(first != second);
    const RecordingServer::Call &call = server.calls[1];
    QCOMPARE(call.app, u"Wrenly"_s);
    QCOMPARE(call.actions, (QStringList{u"default"_s, u"開く"_s, u"snooze"_s, u"後で"_s}));
    QCOMPARE(call.hints.value(u"urgency"_s).value<uchar>(), uchar(2));
    // The body is markup to the service.
    QCOMPARE(server.calls[0].body, u"a &lt; b &amp; c"_s);
    // The icon travels as pixels: a program in its build folder is in no icon theme.
    const QVariant image = call.hints.value(u"image-data"_s);
    QCOMPARE(image.value<QDBusArgument>().currentSignature(), u"(iiibiiay)"_s);

    QDBusMessage action = QDBusMessage::createSignal(objectPath, serviceName, u"ActionInvoked"_s);
    action << uint(102) << u"snooze"_s;
    serverBus.send(action);
    QDBusMessage gone = QDBusMessage::createSignal(objectPath, serviceName, u"NotificationClosed"_s);
    gone << uint(101) << uint(2);
    serverBus.send(gone);
    QTRY_COMPARE(closed.size(), 1);
    QCOMPARE(actions.size(), 1);
    QCOMPARE(actions[0], (QVariantList{second, u"snooze"_s}));
    QCOMPARE(closed[0], QVariantList{first});
    QVERIFY(tray.messages.isEmpty());
    serverBus.unregisterService(serviceName);
    QDBusConnection::disconnectFromBus(u"server"_s);
    QDBusConnection::disconnectFromBus(u"client"_s);
}

void TestDesktopNotifier::noService_trayMessageStandsIn()
{
    FakeTray tray;
    tray.visible = true;
    DesktopNotifier notifier(tray, QDBusConnection::connectToBus(m_address, u"lonely"_s));
    QSignalSpy actions(&notifier, &Notifier::actionInvoked);
    const quint32 id = notifier.notify({u"10:30 会議"_s, u"部屋 3"_s, {}, Notifier::Urgency::Normal});
    QTRY_COMPARE(tray.messages, QStringList{u"10:30 会議\n部屋 3"_s});
    tray.clickMessage();
    QCOMPARE(actions.size(), 1);
    QCOMPARE(actions[0], (QVariantList{id, Notifier::defaultAction()}));
    QDBusConnection::disconnectFromBus(u"lonely"_s);
}

void TestDesktopNotifier::noBusNoTray_nothing()
{
    FakeTray tray;
    tray.available = false;
    DesktopNotifier notifier(tray, QDBusConnection(u"never connected"_s));
    QCOMPARE(notifier.notify({u"t"_s, u"b"_s, {}, Notifier::Urgency::Low}), 0u);
    QVERIFY(tray.messages.isEmpty());
}

QTEST_MAIN(TestDesktopNotifier)
#include "tst_desktopnotifier.moc"
