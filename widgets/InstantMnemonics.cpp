#include "widgets/InstantMnemonics.h"

#include <QAbstractButton>
#include <QShortcutEvent>

namespace {

class ClickAtOnce final : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Shortcut)
            return false;
        auto *button = qobject_cast<QAbstractButton *>(watched);
        if (!button || !button->isEnabled() || static_cast<QShortcutEvent *>(event)->isAmbiguous())
            return false;
        button->setFocus(Qt::ShortcutFocusReason);
        button->click();
        return true;
    }
};

} // namespace

namespace InstantMnemonics {

void apply(QWidget *window)
{
    auto *filter = new ClickAtOnce(window);
    for (QAbstractButton *button : window->findChildren<QAbstractButton *>()) {
        if (button->text().contains(QLatin1Char('&')))
            button->installEventFilter(filter);
    }
}

} // namespace InstantMnemonics
