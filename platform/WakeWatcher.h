#pragma once

#include <QDBusConnection>
#include <QObject>

// Tells when the machine wakes from a suspend (logind's PrepareForSleep on the system bus). Timers
// stand still while the machine sleeps, so what waits for a moment of the wall clock looks again
// then. Without logind nothing is told.
class WakeWatcher final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(WakeWatcher)
public:
    explicit WakeWatcher(const QDBusConnection &bus = QDBusConnection::systemBus(),
                         QObject *parent = nullptr);

signals:
    void woke();

private slots:
    void prepareForSleep(bool sleeping);
};
