#include "dailyplan/FieldRefusal.h"

#include "widgets/RefusalTip.h"
#include "widgets/SjisTextEdit.h"

namespace FieldRefusal {

void limit(QLineEdit *edit, int capacity)
{
    RefusalTip::limit(edit, capacity);
}

void explain(SjisTextEdit *edit)
{
    QObject::connect(edit, &SjisTextEdit::refused, edit,
                     [edit](const QString &hint) { showTip(edit, hint); });
}

void showTip(QWidget *box, const QString &hint)
{
    RefusalTip::show(box, hint);
}

} // namespace FieldRefusal
