#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

// Where a top-level window goes on the screen. Positions are those of the whole window, its frame
// (title bar and borders) included, counted from the top-left corner of the screen's available
// area (the screen less panels and docks).
namespace WindowPlacement {

struct Request
{
    QPoint offset;           // the frame's top-left, from the available area's top-left
    QSize inner;             // the window's own size, frame excluded; the least for full width/height
    bool fullWidth = false;  // the frame spans the available width
    bool fullHeight = false; // the frame spans the available height
    bool fromRight = false;  // offset.x() is where the frame's right edge ends, not where it starts
    bool operator==(const Request &) const = default;
};

// The window's inner geometry (what the window itself is given) for a frame of `frame` margins in
// `available`. The frame is kept inside the available area, its top-left corner first, so the
// title bar is always on screen; full-width and full-height windows are sized to it with their
// frame, but not below their own least size.
QRect innerGeometry(const Request &request, const QMargins &frame, const QRect &available);

} // namespace WindowPlacement
