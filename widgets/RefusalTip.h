#pragma once

class QLineEdit;
class QString;
class QWidget;

// Says below a box why it refused what was typed or pasted. The tip takes no clicks and no focus:
// a button under it answers the first click, and the tip goes by itself after a moment.
namespace RefusalTip {

void show(QWidget *box, const QString &hint);
// Limits `edit` to a Shift-JIS field of `capacity` bytes and shows the tip on a refusal.
void limit(QLineEdit *edit, int capacity);

} // namespace RefusalTip
