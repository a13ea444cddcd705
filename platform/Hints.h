#pragma once

#include <QString>

class QStatusBar;
class QWidget;

// Hint texts are written "short|long": the short part is the tool tip, the long part is shown
// in the window's status bar while the pointer is over the control.
namespace Hints {

void set(QWidget *widget, const QString &hint);

// Shows the status tips of `window`'s controls in panel `bar`. QMainWindow does this by itself;
// dialogs with a status bar of their own need it.
void routeTo(QWidget *window, QStatusBar *bar);

} // namespace Hints
