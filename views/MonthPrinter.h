#pragma once

#include "data/JobRecord.h"
#include "data/Session.h"
#include "platform/Dialogs.h"

class QPrinter;

// The shown month on paper: its records as a table (what the data viewer shows, newest first),
// then its bar graph on as many pages as its rows need.
namespace MonthPrinter {

struct Month
{
    MonthFile::Jobs jobs{};
    int count = 0;
    int year = 0;
    int month = 0;
    bool separators = false; // the bar graph's day separators
};

Month of(const Session &session, MonthKind kind);
// Paints from the printer's first page on; returns the number of pages.
int print(QPrinter &printer, const Month &month);
// The document for the print preview.
PrintDocument document(const Month &month);

} // namespace MonthPrinter
