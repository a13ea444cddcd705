#include "data/BarChart.h"

#include "data/DateText.h"
#include "data/DaySerial.h"

#include <cmath>

namespace BarChart {

namespace {

constexpr double FirstSerial = -657434.0; // 0100-01-01
constexpr double LastSerial = 2958465.0;  // 9999-12-31

MonthPanel panelFor(int month, int year)
{
    MonthPanel p;
    p.month = month;
    p.width = PixelsPerDay * DaySerial::daysInMonth(year, month);
    p.monthText = QString::number(month);
    return p;
}

void addScale(MonthPanel &p)
{
    QString last = QStringLiteral("30");
    int lastX = 224;
    if (p.month == 2) {
        // February has no 30th: its last day takes the label's place.
        const int days = p.width / PixelsPerDay;
        last = QString::number(days);
        lastX = days == 29 ? 216 : 208;
    }
    p.labels = {{64, QStringLiteral("10")}, {144, QStringLiteral("20")}, {lastX, last}};
    static constexpr Tick all[] = {{38, false}, {78, true},   {118, false},
                                   {158, true}, {198, false}, {238, true}};
    for (const Tick &t : all) {
        if (t.x < p.width)
            p.ticks.append(t);
    }
}

} // namespace

MonthStrip monthStrip(int month, int year)
{
    MonthStrip s;
    if (month >= 1 && month <= 12) {
        s.shownMonth = month;
        s.panels = {panelFor(DaySerial::previousMonth(month), year), panelFor(month, year),
                    panelFor(DaySerial::nextMonth(month), year)};
    }
    int left = StripLeft;
    for (MonthPanel &p : s.panels) {
        p.left = left;
        left += p.width;
        addScale(p);
    }
    return s;
}

int barLeft(const MonthStrip &strip, double startSerial)
{
    if (!strip.isKnownMonth() || !DaySerial::holdsDay(startSerial))
        return 0;
    const QDate start = DaySerial::toDate(clampSerial(startSerial));
    const int d = PixelsPerDay * start.day() - 9;
    const int w1 = strip.panels[0].width;
    const int w2 = strip.panels[1].width;
    if (start.month() == strip.panels[0].month)
        return d;
    if (start.month() == strip.panels[1].month)
        return w1 + d;
    if (start.month() == strip.panels[2].month)
        return w1 + w2 + d;
    return 0;
}

int barWidth(double startSerial, double endSerial)
{
    if (!DaySerial::holdsDay(startSerial) || !DaySerial::holdsDay(endSerial))
        return PixelsPerDay;
    const int days =
        DaySerial::wholeDays(clampSerial(endSerial)) - DaySerial::wholeDays(clampSerial(startSerial));
    return PixelsPerDay * qMax(days, 0) + PixelsPerDay;
}

int captionLeft(int barLeft, int barWidth, int captionWidth, int rowWidth)
{
    const int x = barLeft + (barWidth - captionWidth) / 2;
    if (x < 0)
        return 0;
    if (rowWidth - captionWidth < x)
        return rowWidth - captionWidth - 16;
    return x;
}

QList<Separator> separators(const MonthStrip &strip)
{
    QList<Separator> lines;
    for (const MonthPanel &p : strip.panels) {
        const int n = p.width / PixelsPerDay;
        const int offset = p.left - StripLeft;
        for (int i = 1; i <= n; ++i) {
            LineColour c = LineColour::ButtonFace;
            if (i == 10 || i == 20 || i == 30)
                c = LineColour::Gray;
            else if (i % 5 == 0 || i == n)
                c = LineColour::Silver;
            lines.append({offset + PixelsPerDay * i - 3, c});
        }
    }
    return lines;
}

BarColour barColour(int check)
{
    switch (check) {
    case JobRecord::Done:
        return BarColour::Blue;
    case JobRecord::InProgress:
        return BarColour::Aqua;
    default:
        return BarColour::Red;
    }
}

bool isStepManaged(const QString &title)
{
    return title.startsWith(JobRecord::StepMark);
}

QString captionText(const JobRecord &job, int dataNo)
{
    return QStringLiteral("No.") + QString::number(dataNo) + QStringLiteral("■開始:") +
           DateText::monthDay(DaySerial::dayOf(job.startDate)) + QStringLiteral("■終了:") +
           DateText::monthDay(DaySerial::dayOf(job.endDate)) + QStringLiteral("●") + job.title;
}

double clampSerial(double serial)
{
    if (std::isnan(serial))
        return 0.0;
    return qBound(FirstSerial, serial, LastSerial);
}

} // namespace BarChart
