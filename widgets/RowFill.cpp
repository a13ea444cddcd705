#include "widgets/RowFill.h"

#include <QPainter>

namespace RowFill {

void fill(QPainter &painter, const QRect &rect, const QColor &color)
{
    // Fewer than 96 spans stay on this thread, two pieces of a row each included.
    constexpr int Rows = 32;
    for (int top = rect.top(); top <= rect.bottom(); top += Rows)
        painter.fillRect(QRect(rect.left(), top, rect.width(), qMin(Rows, rect.bottom() - top + 1)), color);
}

} // namespace RowFill
