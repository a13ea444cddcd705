#pragma once

#include <QList>
#include <QObject>
#include <QString>

// Desktop notifications. A notification is named by the number notify() returns; a click on one
// of its actions comes back as actionInvoked with the action's key ("default" for the
// notification itself).
class Notifier : public QObject
{
    Q_OBJECT
public:
    enum class Urgency { Low = 0, Normal = 1, Critical = 2 };
    struct Action
    {
        QString key;
        QString caption;
    };
    struct Message
    {
        QString title;
        QString body;
        QList<Action> actions;
        Urgency urgency = Urgency::Normal;
    };

    static QString defaultAction() { return QStringLiteral("default"); }

    using QObject::QObject;
    // Shows `message` as well as the desktop allows, never with an error box; 0 when nothing can.
    virtual quint32 notify(const Message &message) = 0;

signals:
    void actionInvoked(quint32 id, const QString &key);
    void closed(quint32 id);
};
