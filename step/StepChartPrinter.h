#pragma once

#include "data/StepChart.h"
#include "platform/Dialogs.h"

#include <QString>

#include <array>

class QPrinter;
class StepPlannerWindow;

// The step chart on paper: the six rows with their names and titles beside the day columns, as the
// window shows them (unsaved edits included). At screen size over as many pages as its days need,
// the names repeated on each, or shrunk to one page wide.
namespace StepChartPrinter {

struct Chart
{
    StepMonths months;
    QString heading;
    std::array<QString, StepChart::RowCount> rowTitles;
    std::array<std::array<StepChart::BarPixels, 3>, StepChart::RowCount> bars{};
};

Chart of(const StepPlannerWindow &window);
// Returns the number of pages painted.
int print(QPrinter &printer, const Chart &chart, bool oneWide);
// The document for the print preview, which offers both layouts.
PrintDocument document(const Chart &chart);

} // namespace StepChartPrinter
