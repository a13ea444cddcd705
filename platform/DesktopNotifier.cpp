#include "platform/DesktopNotifier.h"

#include "platform/AppIcon.h"
#include "platform/TrayIcon.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QIcon>
#include <QImage>
#include <QPainter>

using namespace Qt::StringLiterals;

namespace {

const QString service = u"org.freedesktop.Notifications"_s;
const QString objectPath = u"/org/freedesktop/Notifications"_s;

// The icon as the "image-data" hint carries it (iiibiiay: width, height, row stride, alpha, bits
// per sample, channels, RGBA bytes), for a program run from its build folder, whose icon is in no
// icon theme.
QVariant iconData()
{
    QImage image(48, 48, QImage::Format_RGBA8888);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    AppIcon::paint(painter, image.width());
    painter.end();
    QDBusArgument data;
    data.beginStructure();
    data << image.width() << image.height() << int(image.bytesPerLine()) << true << 8 << 4
         << QByteArray(reinterpret_cast<const char *>(image.constBits()), int(image.sizeInBytes()));
    data.endStructure();
    return QVariant::fromValue(data);
}

} // namespace

DesktopNotifier::DesktopNotifier(TrayIcon &tray, const QDBusConnection &bus, QObject *parent)
    : Notifier(parent), m_tray(tray), m_bus(bus)
{
    connect(&m_tray, &TrayIcon::messageClicked, this, [this] {
        if (m_trayMessageId)
            emit actionInvoked(m_trayMessageId, defaultAction());
    });
    if (!m_bus.isConnected())
        return;
    m_bus.connect(service, objectPath, service, u"ActionInvoked"_s, this, SLOT(receiveAction(uint, QString)));
    m_bus.connect(service, objectPath, service, u"NotificationClosed"_s, this,
                  SLOT(receiveClosed(uint, uint)));
}

DesktopNotifier::~DesktopNotifier() = default;

quint32 DesktopNotifier::notify(const Message &message)
{
    const quint32 id = ++m_lastId;
    if (m_bus.isConnected())
        send(id, message);
    else if (m_tray.showMessage(message.title, message.body))
        m_trayMessageId = id;
    else
        return 0;
    return id;
}

void DesktopNotifier::send(quint32 id, const Message &message)
{
    QStringList actions;
    for (const Action &action : message.actions)
        actions << action.key << action.caption;
    QVariantMap hints;
    hints.insert(u"urgency"_s, QVariant::fromValue(uchar(message.urgency)));
    hints.insert(u"desktop-entry"_s, u"wrenly"_s);
    static const bool themed = QIcon::hasThemeIcon(u"wrenly"_s);
    if (!themed)
        hints.insert(u"image-data"_s, iconData());
    // The services of the common desktops read markup in the body: a "<" or "&" of a job's title
    // would be taken for a tag. Asking each service first is not worth a second round trip.
    const QString body = message.body.toHtmlEscaped();

    QDBusMessage call = QDBusMessage::createMethodCall(service, objectPath, service, u"Notify"_s);
    call << u"Wrenly"_s << quint32(0) << u"wrenly"_s << message.title << body << actions << hints
         << qint32(-1);
    auto *watcher = new QDBusPendingCallWatcher(m_bus.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, id, message](QDBusPendingCallWatcher *w) {
                w->deleteLater();
                const QDBusPendingReply<quint32> reply = *w;
                if (reply.isError())
                    showInTray(id, message);
                else
                    m_ids.insert(reply.value(), id);
            });
}

void DesktopNotifier::showInTray(quint32 id, const Message &message)
{
    if (m_tray.showMessage(message.title, message.body))
        m_trayMessageId = id;
}

void DesktopNotifier::receiveAction(quint32 serverId, const QString &key)
{
    if (const auto it = m_ids.constFind(serverId); it != m_ids.cend())
        emit actionInvoked(*it, key);
}

void DesktopNotifier::receiveClosed(quint32 serverId, quint32 reason)
{
    if (const quint32 id = m_ids.take(serverId))
        emit closed(id);
}
