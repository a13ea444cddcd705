#pragma once

#include <QStaticText>

class QFont;
class QPainter;
class QRect;

// Short texts laid out once for each font and text and drawn from that layout from then on: the
// same numbers, names and captions come back at every painting and every opening of a window, and
// shaping them is most of what drawing them costs. Each is drawn where QPainter::drawText() puts it.
namespace ShapedText {

struct Line
{
    QStaticText text;
    qreal ascent = 0;
    qreal advance = 0;
    qreal height = 0;
};

const Line &of(const QFont &font, const QString &text);
// In the painter's font and pen, the baseline at `baseline` and the text from `x`.
void drawAt(QPainter &painter, qreal x, qreal baseline, const QString &text);
// In the painter's font and pen, centred in `box` as drawText(box, Qt::AlignCenter, text) centres it.
void drawCentred(QPainter &painter, const QRect &box, const QString &text);

} // namespace ShapedText
