#include "views/HintForwarder.h"

#include "views/ViewHost.h"

#include <QEvent>
#include <QStatusTipEvent>
#include <QWidget>

namespace {

class HintForwarder final : public QObject
{
public:
    HintForwarder(QWidget *window, ViewHost &host) : QObject(window), m_host(host) {}

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::StatusTip) {
            m_host.showHint(static_cast<QStatusTipEvent *>(event)->tip());
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    ViewHost &m_host;
};

} // namespace

void forwardHintsToHost(QWidget *window, ViewHost &host)
{
    window->installEventFilter(new HintForwarder(window, host));
}
