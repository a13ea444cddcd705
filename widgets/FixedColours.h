#pragma once

#include <QColor>
#include <QPalette>

class QWidget;

// Wrenly paints some backgrounds in fixed colours: sky-blue lists and panels, white pads, cyan
// swatches. Text on them takes a fixed colour too; a theme's dark palette would otherwise put its
// light text on them.
namespace FixedColours {

inline QColor text()
{
    return QColor(0, 0, 0);
}

// The daily planner's lists, covers and panels.
inline QColor skyBlue()
{
    return QColor(166, 202, 240);
}

// Fixes the colours of text on `widget` and its children: labels, check boxes and the like
// (WindowText), and with `boxes` the text in its boxes and views (Text) too. The rest of the palette
// stays the theme's.
void setText(QWidget *widget, bool boxes = false);
// Paints `role` of `widget` in `background` and fixes the text over it as setText() does.
void setBackground(QWidget *widget, QPalette::ColorRole role, const QColor &background, bool boxes = false);
// A light palette of its own for a control that paints fixed colours over its whole face (the
// calendar's red Sundays and blue Saturdays, the to-do indicator's lamp and caption).
void setLight(QWidget *widget);

} // namespace FixedColours
