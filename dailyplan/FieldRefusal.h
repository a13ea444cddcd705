#pragma once

class QLineEdit;
class QString;
class QWidget;
class SjisTextEdit;

// Boxes of the daily planner that feed a Shift-JIS field refuse what the field cannot hold and
// say why in a tip below the box, so that what the user sees is what the file keeps.
namespace FieldRefusal {

// Limits `edit` (a line edit, or an editable drop-down's) to a field of `capacity` bytes.
void limit(QLineEdit *edit, int capacity);
// Tells the refusals of a text box made for its field.
void explain(SjisTextEdit *edit);
void showTip(QWidget *box, const QString &hint);

} // namespace FieldRefusal
