#pragma once

class QColor;
class QPainter;
class QRect;

namespace RowFill {

// Fills `rect` a few rows at a time: Qt hands a fill of many rows to its thread pool, and for the
// tall, narrow strips of a plan or a column waking the threads costs far more than the filling.
void fill(QPainter &painter, const QRect &rect, const QColor &color);

} // namespace RowFill
