#include "widgets/ShapedText.h"

#include <QHash>
#include <QPainter>
#include <QTextLayout>

namespace ShapedText {

const Line &of(const QFont &font, const QString &text)
{
    // By font first: a font's key is a text made anew at every call.
    static QHash<QFont, QHash<QString, Line>> cache;
    static int count = 0;
    if (const auto lines = cache.constFind(font); lines != cache.constEnd()) {
        if (const auto found = lines->constFind(text); found != lines->constEnd())
            return *found;
    }
    if (++count > 4096) {
        cache.clear();
        count = 1;
    }
    Line line;
    line.text = QStaticText(text);
    line.text.setTextFormat(Qt::PlainText);
    line.text.prepare(QTransform(), font);
    // The measures of the line as the painter's own layout of the text gives them.
    QTextLayout layout(text, font);
    layout.beginLayout();
    QTextLine laidOut = layout.createLine();
    laidOut.setLineWidth(0x01000000);
    layout.endLayout();
    line.ascent = laidOut.ascent();
    line.advance = laidOut.horizontalAdvance();
    line.height = laidOut.height();
    return *cache[font].insert(text, line);
}

void drawAt(QPainter &painter, qreal x, qreal baseline, const QString &text)
{
    const Line &line = of(painter.font(), text);
    painter.drawStaticText(QPointF(x, baseline - line.ascent), line.text);
}

void drawCentred(QPainter &painter, const QRect &box, const QString &text)
{
    const Line &line = of(painter.font(), text);
    // A line too large for the box is clipped by drawText(): left to it.
    if (line.advance > box.width() || line.height > box.height()) {
        painter.drawText(box, Qt::AlignCenter, text);
        return;
    }
    painter.drawStaticText(
        QPointF(box.x() + (box.width() - line.advance) / 2, box.y() + (box.height() - line.height) / 2),
        line.text);
}

} // namespace ShapedText
