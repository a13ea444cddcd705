#include "dailyplan/FieldRefusal.h"

#include "widgets/SjisLimitValidator.h"
#include "widgets/SjisTextEdit.h"

#include <QLineEdit>
#include <QToolTip>

namespace FieldRefusal {

void limit(QLineEdit *edit, int capacity)
{
    auto *validator = new SjisLimitValidator(capacity, edit);
    edit->setValidator(validator);
    QObject::connect(edit, &QLineEdit::inputRejected, edit,
                     [edit, validator] { showTip(edit, validator->lastHint()); });
}

void explain(SjisTextEdit *edit)
{
    QObject::connect(edit, &SjisTextEdit::refused, edit,
                     [edit](const QString &hint) { showTip(edit, hint); });
}

void showTip(QWidget *box, const QString &hint)
{
    QToolTip::showText(box->mapToGlobal(QPoint(0, box->height())), hint, box);
}

} // namespace FieldRefusal
