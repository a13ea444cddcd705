#include "platform/WakeWatcher.h"

using namespace Qt::StringLiterals;

WakeWatcher::WakeWatcher(const QDBusConnection &bus, QObject *parent) : QObject(parent)
{
    QDBusConnection(bus).connect(u"org.freedesktop.login1"_s, u"/org/freedesktop/login1"_s,
                                 u"org.freedesktop.login1.Manager"_s, u"PrepareForSleep"_s, this,
                                 SLOT(prepareForSleep(bool)));
}

void WakeWatcher::prepareForSleep(bool sleeping)
{
    if (!sleeping)
        emit woke();
}
