#pragma once

#include <QIcon>
#include <QPixmap>

// Wrenly's own pictures, drawn in code: the six faces of the to-do indicator (100 x 20), the
// glyphs of the main window's buttons and the application icon.
namespace Artwork {

constexpr int IndicatorCount = 6;
// 0 none pending, 1 ends today, 2 one day, 3 two or three days, 4 four to six days, 5 more.
QPixmap indicatorGlyph(int index);
QColor indicatorColor(int index); // the backing colour; invalid for "none pending"

QIcon aubrelGlyph();
QIcon stepGlyph();
QIcon graphGlyph();
QIcon applicationIcon();

} // namespace Artwork
