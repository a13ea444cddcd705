#include "platform/DesktopNotifier.h"
#include "platform/WakeWatcher.h"

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

// A notification service of our own: records each call and answers with its number, 101 on.
class RecordingServer : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")
public:
    QList<QDBusMessage> calls;

public slots:
    uint Notify(const QString &, uint, const QString &, const QString &, const QString &, const QStringList &,
                const QVariantMap &, int, const QDBusMessage &call)
    {
        calls.append(call);
        return 100 + uint(calls.size());
    }
};

class TestDesktopNotifier : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void notify_reachesServiceAndActionsComeBack();
    void noService_trayMessageStandsIn_noTrayNothing();
    void wakeWatcher_tellsOnlyTheWaking();

private:
    QProcess m_bus; // ended with the test
    QTemporaryFile m_config;
    QString m_address;
};

// A private session bus that starts no service of the machine's by itself.
void TestDesktopNotifier::initTestCase()
{
    QVERIFY(m_config.open());
    m_config.write(
        "<busconfig><type>session</type><listen>unix:tmpdir=/tmp</listen><policy context=\"default\">"
        "<allow send_destination=\"*\" eavesdrop=\"true\"/><allow eavesdrop=\"true\"/><allow own=\"*\"/>"
        "</policy></busconfig>");
    m_config.close();
    m_bus.start(u"dbus-daemon"_s,
                {u"--config-file="_s + m_config.fileName(), u"--print-address"_s, u"--nofork"_s});
    QVERIFY2(m_bus.waitForReadyRead(10000), "dbus-daemon (Debian's dbus) did not start");
    m_address = QString::fromLocal8Bit(m_bus.readLine()).trimmed();
    QVERIFY(!m_address.isEmpty());
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
    const QVariantList call = server.calls[1].arguments();
    QCOMPARE(call[0], u"Wrenly"_s);
    QCOMPARE(call[5], (QStringList{u"default"_s, u"開く"_s, u"snooze"_s, u"後で"_s}));
    const QVariantMap hints = qdbus_cast<QVariantMap>(call[6]);
    QCOMPARE(hints.value(u"urgency"_s).value<uchar>(), uchar(2));
    // The body is markup to the service.
    QCOMPARE(server.calls[0].arguments()[4], u"a &lt; b &amp; c"_s);
    // The icon travels as pixels: a program in its build folder is in no icon theme.
    QCOMPARE(hints.value(u"image-data"_s).value<QDBusArgument>().currentSignature(), u"(iiibiiay)"_s);

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
    QDBusConnection::disconnectFromBus(u"server"_s); // the service is gone
}

void TestDesktopNotifier::noService_trayMessageStandsIn_noTrayNothing()
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

    tray.visible = false;
    DesktopNotifier unconnected(tray, QDBusConnection(u"never connected"_s));
    QCOMPARE(unconnected.notify({u"t"_s, u"b"_s, {}, Notifier::Urgency::Low}), 0u);
}

void TestDesktopNotifier::wakeWatcher_tellsOnlyTheWaking()
{
    QDBusConnection logind = QDBusConnection::connectToBus(m_address, u"logind"_s);
    QVERIFY(logind.registerService(u"org.freedesktop.login1"_s));
    WakeWatcher watcher(QDBusConnection::connectToBus(m_address, u"watcher"_s));
    QSignalSpy woke(&watcher, &WakeWatcher::woke);
    for (bool sleeping : {true, false}) {
        QDBusMessage signal = QDBusMessage::createSignal(
            u"/org/freedesktop/login1"_s, u"org.freedesktop.login1.Manager"_s, u"PrepareForSleep"_s);
        logind.send(signal << sleeping);
    }
    QVERIFY(woke.wait(5000));
    QVERIFY(!woke.wait(50)); // not for going to sleep
}

QTEST_MAIN(TestDesktopNotifier)
#include "tst_desktopnotifier.moc"
