#include "step/StepChartPainter.h"

#include "data/DateText.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>

using namespace Qt::StringLiterals;

namespace StepColours {

QColor bar(int row, int kind)
{
    switch (kind) {
    case 0:
        return row == 0 ? overallInitialBar : stepInitialBar;
    case 1:
        return revisedBar;
    default:
        return actualBar;
    }
}

QColor gridLine(StepChart::GridShade shade)
{
    switch (shade) {
    case StepChart::GridShade::Black:
        return gridBlack;
    case StepChart::GridShade::Grey:
        return gridGrey;
    case StepChart::GridShade::White:
        break;
    }
    return white;
}

} // namespace StepColours

namespace StepChartPainter {

namespace {

// Text placed by the top-left corner of its line, as the chart's coordinates are given.
void textAt(QPainter &p, int x, int y, const QString &text)
{
    p.drawText(QPoint(x, y + p.fontMetrics().ascent()), text);
}

void vline(QPainter &p, int x, int top, int bottom, const QColor &colour)
{
    p.fillRect(x, top, 1, bottom - top, colour);
}

} // namespace

QFont font(int pixelSize, bool bold)
{
    static const QString family =
        QFontDatabase::families().contains(u"IPAPGothic"_s) ? u"IPAPGothic"_s : QFont().family();
    QFont f(family);
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    f.setStyleStrategy(QFont::NoAntialias);
    return f;
}

// Two digits of the gothic face fill a whole 13-pixel column; narrowed a little they keep a gap.
static QFont dayNumberFont()
{
    QFont f = font(12);
    f.setStretch(85);
    return f;
}

static QImage canvas(QSize size, qreal pixelRatio)
{
    QImage image(size * pixelRatio, QImage::Format_RGB32);
    image.setDevicePixelRatio(pixelRatio);
    return image;
}

QImage header(const StepMonths &months, QSize size, qreal pixelRatio)
{
    QImage image = canvas(size, pixelRatio);
    image.fill(StepColours::skyBlue);
    QPainter p(&image);
    const QList<StepChart::DayColumn> columns = StepChart::dayColumns(months);

    for (const StepChart::DayColumn &c : columns)
        vline(p, StepChart::lineX(c.column), c.lastOfMonth ? 2 : 20, 55, StepColours::white);

    const QFont letters = font(12);
    const QFont digits = dayNumberFont();
    for (const StepChart::DayColumn &c : columns) {
        const int day = c.date.day();
        p.setPen(c.date.dayOfWeek() == Qt::Sunday ? StepColours::sunday : StepColours::weekday);
        p.setFont(letters);
        textAt(p, StepChart::weekdayLetterX(c.column), 40, DateText::weekdayLetter(c.date));
        p.setFont(digits);
        textAt(p, StepChart::dayNumberX(c.column, day), 25, QString::number(day));
    }

    if (months.isValid()) {
        p.setFont(font(15, true));
        p.setPen(StepColours::weekday);
        for (int i = 0; i < 3; ++i)
            textAt(p, StepChart::monthLetterX(months, i), 5, u"月"_s);
        p.setFont(font(19, true));
        p.setPen(StepColours::white);
        for (int i = 0; i < 3; ++i) {
            // "10" to "12" are wider in this face than the 20 pixels left before "月".
            const QString number = QString::number(months.monthOf(i));
            const int width = p.fontMetrics().horizontalAdvance(number);
            const int x =
                qMin(StepChart::monthNumberX(months, i), StepChart::monthLetterX(months, i) - 1 - width);
            textAt(p, x, 2, number);
        }
    }
    return image;
}

QImage grid(const StepMonths &months, QSize size, qreal pixelRatio)
{
    QImage image = canvas(size, pixelRatio);
    image.fill(StepColours::skyBlue);
    QPainter p(&image);
    for (const StepChart::DayColumn &c : StepChart::dayColumns(months)) {
        const QColor colour =
            StepColours::gridLine(StepChart::gridShade(c.date.day(), months.daysOf(c.monthIndex)));
        vline(p, StepChart::lineX(c.column), 0, StepChart::GridLineBottom, colour);
    }
    return image;
}

QImage separator(const StepMonths &months, QSize size, qreal pixelRatio)
{
    QImage image = canvas(size, pixelRatio);
    image.fill(StepColours::separator);
    QPainter p(&image);
    p.setFont(dayNumberFont());
    p.setPen(StepColours::white);
    for (const StepChart::DayColumn &c : StepChart::dayColumns(months)) {
        vline(p, StepChart::lineX(c.column), 2, 12, StepColours::separatorTick);
        textAt(p, StepChart::dayNumberX(c.column, c.date.day()), 1, QString::number(c.date.day()));
    }
    return image;
}

ChartPictures chartPictures(const StepMonths &months, QSize headerSize, QSize gridSize, qreal pixelRatio)
{
    struct Key
    {
        StepMonths months;
        QSize headerSize;
        QSize gridSize;
        qreal pixelRatio = 0;
        QString font;
        bool operator==(const Key &) const = default;
    };
    static Key last;
    static ChartPictures pictures;
    const Key key{months, headerSize, gridSize, pixelRatio, QGuiApplication::font().key()};
    if (!(key == last) || pictures.header.isNull()) {
        pictures = {header(months, headerSize, pixelRatio), grid(months, gridSize, pixelRatio)};
        last = key;
    }
    return pictures;
}

} // namespace StepChartPainter
