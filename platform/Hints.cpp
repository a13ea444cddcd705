#include "platform/Hints.h"

#include <QEvent>
#include <QObject>
#include <QPointer>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QWidget>

namespace {

class StatusTipRouter final : public QObject
{
public:
    StatusTipRouter(QWidget *window, QStatusBar *bar) : QObject(window), m_bar(bar) {}

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::StatusTip && m_bar) {
            m_bar->showMessage(static_cast<QStatusTipEvent *>(event)->tip());
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QPointer<QStatusBar> m_bar;
};

} // namespace

namespace Hints {

void set(QWidget *widget, const QString &hint)
{
    const qsizetype bar = hint.indexOf(QLatin1Char('|'));
    const QString shortText = bar < 0 ? hint : hint.left(bar);
    const QString longText = bar < 0 ? hint : hint.mid(bar + 1);
    widget->setToolTip(shortText);
    widget->setStatusTip(longText);
}

void routeTo(QWidget *window, QStatusBar *bar)
{
    window->installEventFilter(new StatusTipRouter(window, bar));
}

} // namespace Hints
