#pragma once

class QWidget;

// Qt animates a button pressed through its Alt+letter for 100 ms before it acts; a window closed
// with Alt+C should close at once. After apply(), the buttons of `window` act as soon as their
// key is pressed (an ambiguous key still only moves the focus, as Qt does).
namespace InstantMnemonics {

void apply(QWidget *window);

} // namespace InstantMnemonics
