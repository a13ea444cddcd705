#pragma once

#include "data/WindowPlacement.h"

class QWidget;

// Puts a top-level window where it belongs by its frame, inside the available area of its screen.
// Before a window manager has framed the window its frame is not known: the frame of the last
// window that was framed stands in for it, and once the window is framed with another frame, it is
// placed again, once. Without a window manager (offscreen, a bare X server) the frame is empty.
namespace WindowPlacer {

void place(QWidget *window, const WindowPlacement::Request &request);

// The frame's top-left of `window` as WindowPlacement counts it: from its screen's available area.
QPoint offsetOf(const QWidget *window);
// Right of `window`'s frame, at the top of the available area; `fallback` without a window.
QPoint besideOf(const QWidget *window, const QPoint &fallback);

} // namespace WindowPlacer
