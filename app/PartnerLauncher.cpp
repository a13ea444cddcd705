#include "app/PartnerLauncher.h"

#include "data/Session.h"
#include "platform/ProcessLauncher.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

constexpr Partner Partners[] = {Partner::Pellmark, Partner::Trevant, Partner::Dossaro};

} // namespace

PartnerLauncher::PartnerLauncher(const Session &session, ProcessLauncher &launcher,
                                 const QList<QAction *> &actions, Inform inform, QObject *parent)
    : QObject(parent), m_session(session), m_launcher(launcher), m_actions(actions),
      m_inform(std::move(inform))
{
    for (Partner partner : Partners) {
        action(partner)->setText(PartnerPrograms::of(partner).caption());
        connect(action(partner), &QAction::triggered, this, [this, partner] { launch(partner); });
    }
}

bool PartnerLauncher::isEnabled(Partner partner) const
{
    return action(partner)->isEnabled();
}

void PartnerLauncher::followPaths()
{
    for (Partner partner : Partners)
        action(partner)->setEnabled(!PartnerPrograms::of(partner).pathIn(m_session.config()).isEmpty());
}

void PartnerLauncher::launch(Partner partner)
{
    const PartnerProgram &program = PartnerPrograms::of(partner);
    const QString path = program.pathIn(m_session.config());
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists()) {
        m_inform(program.displayName() + u" が存在しません."_s);
        return;
    }
    if (!PartnerPrograms::isExpectedFile(program, info.fileName())) {
        m_inform(program.displayName() + u" 以外が設定されています."_s);
        return;
    }
    QString why = PartnerPrograms::whyNotStartable(info.absoluteFilePath());
    if (why.isEmpty() && !m_launcher.startDetached(info.absoluteFilePath(), QDir::currentPath()))
        why = u"起動に失敗しました"_s;
    if (!why.isEmpty())
        m_inform(PartnerPrograms::notStartedText(program, info.absoluteFilePath(), why));
}
