#pragma once

#include "data/MonthEditor.h"

#include <QString>

// The main window's words for what the data commands did.
namespace MainMessages {

struct Captioned
{
    QString caption;
    QString text;
};

// This month's file `fileName` is missing: how to create it. `atStart` when the program has just
// started.
Captioned createMonthFile(const QString &fileName, bool atStart);
// The month already holds every record it can.
QString monthFull();
// What a refused or completed data command tells the user; empty when it says nothing.
QString of(MonthEditor::Outcome::Kind kind, const QString &fileName);

} // namespace MainMessages
