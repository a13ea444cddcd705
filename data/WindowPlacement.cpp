#include "data/WindowPlacement.h"

#include <QtGlobal>

namespace WindowPlacement {

QRect innerGeometry(const Request &request, const QMargins &frame, const QRect &available)
{
    const int sideways = frame.left() + frame.right();
    const int upright = frame.top() + frame.bottom();
    const int width =
        request.fullWidth ? qMax(available.width() - sideways, request.inner.width()) : request.inner.width();
    const int height = request.fullHeight ? qMax(available.height() - upright, request.inner.height())
                                          : request.inner.height();
    // Pulled back from the right and bottom edges first, then from the left and top, which win.
    const int frameWidth = width + sideways;
    const int frameHeight = height + upright;
    const int left = request.fromRight ? request.offset.x() - frameWidth : request.offset.x();
    int x = qMin(available.left() + left, available.left() + available.width() - frameWidth);
    int y = qMin(available.top() + request.offset.y(), available.top() + available.height() - frameHeight);
    x = qMax(x, available.left());
    y = qMax(y, available.top());
    return {x + frame.left(), y + frame.top(), width, height};
}

} // namespace WindowPlacement
