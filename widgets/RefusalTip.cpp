#include "widgets/RefusalTip.h"

#include "widgets/SjisLimitValidator.h"

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

namespace RefusalTip {

namespace {

constexpr int ShownMs = 3000;

// One tip for the whole program, made when first needed.
QLabel *tip()
{
    static QPointer<QLabel> label;
    if (!label) {
        label =
            new QLabel(nullptr, Qt::ToolTip | Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus);
        label->setObjectName(QStringLiteral("refusalTip"));
        label->setAttribute(Qt::WA_TransparentForMouseEvents);
        label->setAttribute(Qt::WA_ShowWithoutActivating);
        label->setForegroundRole(QPalette::ToolTipText);
        label->setBackgroundRole(QPalette::ToolTipBase);
        label->setAutoFillBackground(true);
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
        label->setMargin(2);
        auto *timer = new QTimer(label);
        timer->setObjectName(QStringLiteral("refusalTipTimer"));
        timer->setSingleShot(true);
        timer->setInterval(ShownMs);
        QObject::connect(timer, &QTimer::timeout, label, &QWidget::hide);
    }
    return label;
}

} // namespace

void show(QWidget *box, const QString &hint)
{
    QLabel *label = tip();
    label->setText(hint);
    label->adjustSize();
    label->move(box->mapToGlobal(QPoint(0, box->height())));
    label->show();
    label->raise();
    label->findChild<QTimer *>()->start();
}

void limit(QLineEdit *edit, int capacity)
{
    auto *validator = new SjisLimitValidator(capacity, edit);
    edit->setValidator(validator);
    QObject::connect(edit, &QLineEdit::inputRejected, edit,
                     [edit, validator] { show(edit, validator->lastHint()); });
}

} // namespace RefusalTip
