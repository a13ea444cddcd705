#include "app/Artwork.h"

#include "platform/AppIcon.h"

#include <QGuiApplication>
#include <QPainter>

using namespace Qt::StringLiterals;

namespace Artwork {

QColor indicatorColor(Pending::Indicator indicator)
{
    using I = Pending::Indicator;
    switch (indicator) {
    case I::EndsToday:
        return QColor(0xFF, 0x00, 0xFF);
    case I::OneDay:
        return QColor(0xFF, 0x00, 0x00);
    case I::TwoToThreeDays:
        return QColor(0xFF, 0xFF, 0x00);
    case I::FourToSixDays:
        return QColor(0x00, 0xFF, 0x00);
    case I::SevenOrMore:
        return QColor(0x00, 0x00, 0xFF);
    case I::NonePending:
        break;
    }
    return {};
}

namespace {

// A transparent pixmap of `size` logical pixels with a device pixel for each pixel of the
// sharpest screen, so glyphs stay sharp on a scaled screen.
QPixmap sharpPixmap(QSize size)
{
    const qreal ratio = qApp ? qApp->devicePixelRatio() : 1.0;
    QPixmap pm(size * ratio);
    pm.setDevicePixelRatio(ratio);
    pm.fill(Qt::transparent);
    return pm;
}

} // namespace

QPixmap indicatorGlyph(Pending::Indicator indicator)
{
    static const char16_t *const labels[IndicatorCount] = {u"予定なし",  u"本日締切",  u"残り1日",
                                                           u"残り2-3日", u"残り4-6日", u"残り7日~"};
    const int i = qBound(0, int(indicator), IndicatorCount - 1);
    QPixmap pm = sharpPixmap(QSize(100, 20));
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);

    // A lamp at the left in the indicator's colour, then "To-Do" and the state.
    const QColor lamp = i == 0 ? QColor(170, 170, 170) : indicatorColor(indicator);
    QRadialGradient glow(QPointF(8, 8), 8);
    glow.setColorAt(0, lamp.lighter(170));
    glow.setColorAt(1, lamp);
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(glow);
    p.drawEllipse(QRectF(2.5, 3.5, 13, 13));

    QFont f = p.font();
    f.setPixelSize(11);
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(30, 30, 30));
    p.drawText(QRect(19, 0, 34, 20), Qt::AlignVCenter | Qt::AlignLeft, u"To-Do"_s);
    f.setBold(false);
    f.setPixelSize(10);
    p.setFont(f);
    p.setPen(i == 0 ? QColor(90, 90, 90) : QColor(0, 0, 0));
    p.drawText(QRect(52, 0, 48, 20), Qt::AlignVCenter | Qt::AlignLeft, QString::fromUtf16(labels[i]));
    return pm;
}

namespace {

QPixmap canvas(int size)
{
    return sharpPixmap(QSize(size, size));
}

} // namespace

QIcon dailyPlanGlyph()
{
    // A clock face: the daily planner's time axis.
    QPixmap pm = canvas(20);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(20, 60, 120), 1.5));
    p.setBrush(QColor(250, 240, 190));
    p.drawEllipse(QRectF(2, 2, 16, 16));
    p.setPen(QPen(QColor(20, 20, 20), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10, 10), QPointF(10, 5));
    p.drawLine(QPointF(10, 10), QPointF(14, 12));
    return QIcon(pm);
}

QIcon stepGlyph()
{
    // Stairs: a job laid out in steps.
    QPixmap pm = canvas(20);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    const QColor colors[] = {QColor(221, 0, 0), QColor(238, 128, 0), QColor(0, 170, 0), QColor(0, 0, 221)};
    for (int i = 0; i < 4; ++i) {
        p.setBrush(colors[i]);
        p.drawRect(QRectF(2 + i * 4, 15 - i * 4, 16 - i * 4, 3));
    }
    return QIcon(pm);
}

QIcon graphGlyph()
{
    // Horizontal bars over a day scale.
    QPixmap pm = canvas(20);
    QPainter p(&pm);
    p.setPen(QColor(40, 40, 80));
    p.drawLine(2, 2, 2, 18);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 0, 0));
    p.drawRect(4, 4, 9, 3);
    p.setBrush(QColor(0, 0, 255));
    p.drawRect(7, 9, 10, 3);
    p.setBrush(QColor(0, 200, 200));
    p.drawRect(5, 14, 8, 3);
    return QIcon(pm);
}

QIcon applicationIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64}) {
        QPixmap pm = canvas(size);
        QPainter p(&pm);
        AppIcon::paint(p, size);
        p.end();
        icon.addPixmap(pm);
    }
    return icon;
}

} // namespace Artwork
