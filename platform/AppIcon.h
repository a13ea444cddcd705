#pragma once

#include <QByteArray>

class QPainter;

// Wrenly's icon: a wren with its tail up on a blue tile. One drawing serves the window, the tray,
// the PNG sizes of the installed icon theme and its scalable SVG, so they never drift apart.
namespace AppIcon {

// Paints the icon into the square (0, 0, size, size).
void paint(QPainter &painter, int size);

// The same drawing as a standalone SVG document (64 × 64 user units).
QByteArray svg();

} // namespace AppIcon
