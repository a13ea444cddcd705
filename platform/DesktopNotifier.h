#pragma once

#include "platform/Notifier.h"

#include <QDBusConnection>
#include <QHash>

class TrayIcon;

// Notifications through the desktop's notification service (org.freedesktop.Notifications on the
// session bus). Where no service answers, the tray icon's message stands in, its click being the
// default action; where neither is there, nothing is shown. Calls never wait for the bus.
class DesktopNotifier final : public Notifier
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(DesktopNotifier)
public:
    explicit DesktopNotifier(TrayIcon &tray, const QDBusConnection &bus = QDBusConnection::sessionBus(),
                             QObject *parent = nullptr);
    ~DesktopNotifier() override;

    quint32 notify(const Message &message) override;

private slots:
    void receiveAction(quint32 serverId, const QString &key);
    void receiveClosed(quint32 serverId, quint32 reason);

private:
    void send(quint32 id, const Message &message);
    void showInTray(quint32 id, const Message &message);

    TrayIcon &m_tray;
    QDBusConnection m_bus;
    quint32 m_lastId = 0;
    QHash<quint32, quint32> m_ids; // the service's number → ours
    quint32 m_trayMessageId = 0;
};
