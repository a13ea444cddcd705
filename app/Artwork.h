#pragma once

#include "data/Pending.h"

#include <QIcon>
#include <QPixmap>

// Wrenly's own pictures, drawn in code: the six faces of the to-do indicator (100 x 20), the
// glyphs of the main window's buttons and the application icon.
namespace Artwork {

constexpr int IndicatorCount = 6;
QPixmap indicatorGlyph(Pending::Indicator indicator);
QColor indicatorColor(Pending::Indicator indicator); // the backing colour; invalid for "none pending"

QIcon dailyPlanGlyph();
QIcon stepGlyph();
QIcon graphGlyph();
QIcon applicationIcon();

} // namespace Artwork
