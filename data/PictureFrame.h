#pragma once

#include <QRect>
#include <QString>

// The frame of the panel picture inside its 200 x 200 panel: one of five square sizes, centred by
// its base offset, then moved by two offsets (up and right, two pixels a step).
namespace PictureFrame {

constexpr int SizeCount = 5;
constexpr int OffsetLimit = 60;
constexpr int OffsetStep = 2;

int side(int sizeIndex);
// The offset that centres the frame in the panel.
int base(int sizeIndex);
QString caption(int sizeIndex); // "180 x 180"

// The frame of size `sizeIndex` moved up by `vertical` and right by `horizontal` pixels.
QRect frame(int sizeIndex, int vertical, int horizontal);
// An offset after one step of the up-down in `direction`, kept within the limits.
int stepped(int offset, int direction);

struct Placement
{
    int sizeIndex = 0;
    int vertical = 0;
    int horizontal = 0;
};
// The size and offsets a stored frame is shown with: its height among the sizes, else the first
// size, unmoved.
Placement of(int top, int height, int left);

// The frame a stored geometry is shown in: numbers from the file are kept to what the panel can
// show (a panel's side either way, twice its side at most), so the geometry cannot overflow.
QRect shown(int left, int top, int width, int height);

} // namespace PictureFrame
