#pragma once

#include "data/JobRecord.h"

#include <QList>
#include <QString>

#include <array>

// The bar graph of one month as plain numbers. The day scale covers the month before the shown
// month, the shown month and the month after at 8 pixels a day; x 0 of a row is the left edge of
// the first month. Only month and day numbers place a bar: the year is ignored.
namespace BarChart {

constexpr int PixelsPerDay = 8;
constexpr int RowHeight = 35;
constexpr int BarTop = 5;
constexpr int BarHeight = 12;
constexpr int CaptionTop = 17;
constexpr int StripLeft = 10; // first month panel in the window
constexpr int StripTop = 5;
constexpr int StripHeight = 40;
constexpr int PlaceholderPanelWidth = 248; // the look of a strip whose month is unknown
constexpr int SeparatorLength = 15;
constexpr int SeparatorPenWidth = 2;

struct TickLabel
{
    int x = 0;
    QString text;
    bool operator==(const TickLabel &) const = default;
};

struct Tick
{
    int x = 0;
    bool isLong = false; // ends of days 10, 20, 30; the others are days 5, 15, 25
    bool operator==(const Tick &) const = default;
};

struct MonthPanel
{
    int month = 0; // 1..12; 0 when the shown month is unknown
    int left = StripLeft;
    int width = PlaceholderPanelWidth;
    QString monthText = QStringLiteral("XX");
    QList<TickLabel> labels;
    QList<Tick> ticks; // only those inside the panel
};

struct MonthStrip
{
    int shownMonth = 0;
    std::array<MonthPanel, 3> panels;

    bool isKnownMonth() const { return shownMonth >= 1 && shownMonth <= 12; }
    // W1 + W2 + W3: the width of every row.
    int rowWidth() const { return panels[0].width + panels[1].width + panels[2].width; }
};

// The strip for month `month` of `year` (February is taken in `year`). A month outside 1..12
// gets a placeholder strip: three 248-pixel panels reading "XX".
MonthStrip monthStrip(int month, int year);

// Left edge of the bar of a job starting at `startSerial`; 0 for a start outside the three months,
// an unset start or when the strip's month is unknown. Day 1 of the first month starts at -1.
int barLeft(const MonthStrip &strip, double startSerial);
// 8 pixels per whole day from start to end, both included. An end before the start, or an unset
// date, gives a one-day bar rather than a negative or endless width.
int barWidth(double startSerial, double endSerial);
// Captions are centred under their bar, kept off the left edge and pulled back from the right.
int captionLeft(int barLeft, int barWidth, int captionWidth, int rowWidth);

enum class LineColour { ButtonFace, Gray, Silver };
struct Separator
{
    int x = 0;
    LineColour colour = LineColour::ButtonFace;
    bool operator==(const Separator &) const = default;
};
// One line near the end of every day of the three months, each from y 0 to y 15 of a row.
QList<Separator> separators(const MonthStrip &strip);

enum class BarColour { Red, Blue, Aqua };
BarColour barColour(int check);

// Jobs managed by the step planner carry this prefix in their title.
bool isStepManaged(const QString &title);

// "No.3■開始:3月30日(水)■終了:4月2日(土)●title".
QString captionText(const JobRecord &job, int dataNo);

// Serials outside the years 100..9999 are pulled to that range, so broken files cannot overflow
// the pixel arithmetic or the date conversion.
double clampSerial(double serial);

} // namespace BarChart
