#pragma once

#include "data/PartnerPrograms.h"

#include <QList>
#include <QObject>

#include <functional>

class QAction;
class ProcessLauncher;
class Session;

// The actions that start the partner programs: each is enabled while the configuration names a
// path for it, and says why a program it cannot start did not start.
class PartnerLauncher final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(PartnerLauncher)
public:
    using Inform = std::function<void(const QString &)>;
    // `actions` in the order of Partner.
    PartnerLauncher(const Session &session, ProcessLauncher &launcher, const QList<QAction *> &actions,
                    Inform inform, QObject *parent = nullptr);

    QList<QAction *> actions() const { return m_actions; }
    bool isEnabled(Partner partner) const;
    // Enables the actions whose program has a path in the configuration.
    void followPaths();
    void launch(Partner partner);

private:
    QAction *action(Partner partner) const { return m_actions.at(int(partner)); }

    const Session &m_session;
    ProcessLauncher &m_launcher;
    QList<QAction *> m_actions;
    Inform m_inform;
};
