#include "data/PictureFrame.h"

#include <QtGlobal>

namespace PictureFrame {

namespace {

constexpr int PanelSide = 200;
constexpr int Sides[SizeCount] = {180, 150, 120, 90, 60};

} // namespace

int side(int sizeIndex)
{
    return Sides[qBound(0, sizeIndex, SizeCount - 1)];
}

int base(int sizeIndex)
{
    return (PanelSide - side(sizeIndex)) / 2;
}

QString caption(int sizeIndex)
{
    const QString s = QString::number(side(sizeIndex));
    return s + QStringLiteral(" x ") + s;
}

QRect frame(int sizeIndex, int vertical, int horizontal)
{
    return QRect(base(sizeIndex) + horizontal, base(sizeIndex) - vertical, side(sizeIndex), side(sizeIndex));
}

int stepped(int offset, int direction)
{
    return qBound(-OffsetLimit, offset + direction * OffsetStep, OffsetLimit);
}

Placement of(int top, int height, int left)
{
    for (int i = 0; i < SizeCount; ++i) {
        if (Sides[i] == height)
            return {i, base(i) - top, left - base(i)};
    }
    return {};
}

QRect shown(int left, int top, int width, int height)
{
    return QRect(qBound(-PanelSide, left, PanelSide), qBound(-PanelSide, top, PanelSide),
                 qBound(0, width, 2 * PanelSide), qBound(0, height, 2 * PanelSide));
}

} // namespace PictureFrame
