#include "platform/AppIcon.h"

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <span>

namespace AppIcon {
namespace {

// The drawing on a 64-unit square, in painting order.
struct Shape
{
    enum Kind { RoundedRect, Ellipse, Polygon, Stroke };
    Kind kind;
    QRgb colour;
    int count;
    qreal values[8]; // rect x, y, w, h (+ radius), or point pairs
};

constexpr QRgb tile = 0xff3a6ea5;
constexpr QRgb body = 0xffc48c5a;
constexpr QRgb breast = 0xfff5e1be;
constexpr QRgb legs = 0xfff5c83c;

const Shape shapes[] = {
    {Shape::RoundedRect, tile, 5, {2, 2, 60, 60, 12}},
    {Shape::Ellipse, body, 4, {14, 26, 30, 22}},
    {Shape::Ellipse, body, 4, {10, 18, 16, 15}},
    {Shape::Polygon, body, 8, {40, 32, 52, 12, 56, 16, 44, 38}},
    {Shape::Ellipse, breast, 4, {18, 34, 18, 10}},
    {Shape::Ellipse, 0xff000000, 4, {15, 23, 3.5, 3.5}},
    {Shape::Stroke, legs, 4, {20, 50, 20, 56}},
    {Shape::Stroke, legs, 4, {30, 50, 30, 56}},
};
constexpr qreal strokeWidth = 3;

QPolygonF points(std::span<const qreal> v)
{
    QPolygonF polygon;
    for (size_t i = 0; i + 1 < v.size(); i += 2)
        polygon << QPointF(v[i], v[i + 1]);
    return polygon;
}

QByteArray number(qreal v)
{
    return QByteArray::number(v, 'g', 6);
}

QByteArray colourName(QRgb rgb)
{
    return QColor(rgb).name().toLatin1();
}

} // namespace

void paint(QPainter &painter, int size)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 64.0, size / 64.0);
    for (const Shape &s : shapes) {
        const std::span<const qreal> v(s.values, size_t(s.count));
        const QColor colour = QColor::fromRgba(s.colour);
        if (s.kind == Shape::Stroke) {
            painter.setPen(QPen(colour, strokeWidth, Qt::SolidLine, Qt::RoundCap));
            painter.setBrush(Qt::NoBrush);
            painter.drawPolyline(points(v));
            continue;
        }
        painter.setPen(Qt::NoPen);
        painter.setBrush(colour);
        switch (s.kind) {
        case Shape::RoundedRect:
            painter.drawRoundedRect(QRectF(v[0], v[1], v[2], v[3]), v[4], v[4]);
            break;
        case Shape::Ellipse:
            painter.drawEllipse(QRectF(v[0], v[1], v[2], v[3]));
            break;
        case Shape::Polygon:
            painter.drawPolygon(points(v));
            break;
        case Shape::Stroke:
            break;
        }
    }
    painter.restore();
}

QByteArray svg()
{
    QByteArray out =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"64\" height=\"64\" viewBox=\"0 0 64 64\">\n";
    for (const Shape &s : shapes) {
        const std::span<const qreal> v(s.values, size_t(s.count));
        const QByteArray fill = "fill=\"" + colourName(s.colour) + "\" stroke=\"none\"";
        switch (s.kind) {
        case Shape::RoundedRect:
            out += "  <rect x=\"" + number(v[0]) + "\" y=\"" + number(v[1]) + "\" width=\"" + number(v[2]) +
                   "\" height=\"" + number(v[3]) + "\" rx=\"" + number(v[4]) + "\" " + fill + "/>\n";
            break;
        case Shape::Ellipse:
            out += "  <ellipse cx=\"" + number(v[0] + v[2] / 2) + "\" cy=\"" + number(v[1] + v[3] / 2) +
                   "\" rx=\"" + number(v[2] / 2) + "\" ry=\"" + number(v[3] / 2) + "\" " + fill + "/>\n";
            break;
        case Shape::Polygon:
        case Shape::Stroke: {
            QByteArray list;
            for (size_t i = 0; i + 1 < v.size(); i += 2)
                list += (i ? " " : "") + number(v[i]) + ',' + number(v[i + 1]);
            if (s.kind == Shape::Polygon) {
                out += "  <polygon points=\"" + list + "\" " + fill + "/>\n";
                break;
            }
            // Strokes are single lines: <line> is drawn alike by every renderer, a two-point
            // <polyline> is not.
            out += "  <line x1=\"" + number(v[0]) + "\" y1=\"" + number(v[1]) + "\" x2=\"" + number(v[2]) +
                   "\" y2=\"" + number(v[3]) + "\" stroke=\"" + colourName(s.colour) + "\" stroke-width=\"" +
                   number(strokeWidth) + "\" stroke-linecap=\"round\"/>\n";
            break;
        }
        }
    }
    return out + "</svg>\n";
}

} // namespace AppIcon
