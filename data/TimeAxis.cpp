#include "data/TimeAxis.h"

using namespace Qt::StringLiterals;

namespace TimeAxis {

int timeToRow(int hour, bool pm, int minute)
{
    int offset = 0;
    if (hour >= 0 && hour <= 11) {
        if (pm)
            offset = hour + 6;
        else if (hour <= 5)
            offset = hour + 18;
        else
            offset = hour - 6;
    }
    // A damaged file may hold any minute: keep the arithmetic far from overflowing.
    return offset * RowsPerHour + qBound(-Rows, minute, Rows) * RowsPerMinute;
}

ClockTime rowToTime(int row)
{
    row = qBound(0, row, LastRow);
    const int offset = row / RowsPerHour;
    const int minute = (row % RowsPerHour) / RowsPerMinute;
    if (offset < 6)
        return {offset + 6, minute, false};
    if (offset < 18)
        return {offset - 6, minute, true};
    return {offset - 18, minute, false};
}

Rgb quarterColor(int quarter)
{
    static const Rgb colors[4] = {{135, 206, 250}, {240, 230, 140}, {4, 112, 165}, {0, 0, 139}};
    return colors[qBound(0, quarter, 3)];
}

QList<Band> leftPaneBands()
{
    // The last strip reaches row 2880 itself, one row past the axis.
    return {{0, 720, quarterColor(0)},
            {720, 1440, quarterColor(1)},
            {1440, 2160, quarterColor(2)},
            {2160, Rows + 1, quarterColor(3)}};
}

QList<Band> rightPaneBands()
{
    QList<Band> bands;
    int top = 0;
    for (int i = 0; i < 12; ++i) {
        const int bottom = (i + 1) * 240 + 1;
        bands.append({top, bottom, quarterColor(i / 3)});
        top = bottom;
    }
    return bands;
}

QList<ScaleMark> scaleMarks()
{
    static const Rgb textColors[4] = {{30, 144, 255}, {255, 140, 0}, {4, 112, 165}, {0, 0, 139}};
    static const QString hourLabels = u"789AB0123456789AB0123456"_s;
    QList<ScaleMark> marks;
    marks.reserve(288);
    for (int i = 1; i <= 288; ++i) {
        ScaleMark m;
        m.y = 10 * i;
        m.textColor = textColors[i <= 72 ? 0 : i <= 144 ? 1 : i <= 216 ? 2 : 3];
        if (i % 12 == 0) {
            m.x0 = 0;
            m.x1 = 20;
            const QChar c = hourLabels.at(i / 12 - 1);
            m.label = c == u'A' ? u"10"_s : c == u'B' ? u"11"_s : QString(c);
            m.labelX = m.label.size() == 2 ? 4 : 7;
        } else if (i % 6 == 0) {
            m.x0 = 3;
            m.x1 = 17;
        } else if (i % 2 == 1) {
            m.x0 = 8;
            m.x1 = 12;
        } else {
            m.x0 = 6;
            m.x1 = 14;
        }
        marks.append(m);
    }
    return marks;
}

QList<ScaleCaption> scaleCaptions()
{
    return {{1, 5, u"AM"_s, {30, 144, 255}},
            {1, 725, u"PM"_s, {255, 140, 0}},
            {1, 1445, u"PM"_s, {4, 112, 165}},
            {1, 2165, u"AM"_s, {0, 0, 139}}};
}

} // namespace TimeAxis
