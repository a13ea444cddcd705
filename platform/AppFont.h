#pragma once

#include <QFont>

class QApplication;

// The windows are laid out for one Japanese proportional gothic face at 9 points. A platform theme
// (qt6ct) may set its own application font, and does so after the start: the face is set again
// whenever the application's font changes, so the fixed layouts keep the face they were made for.
namespace AppFont {

QFont layoutFont();
void hold(QApplication &app);

} // namespace AppFont
