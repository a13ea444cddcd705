#pragma once

#include <QString>
#include <QtGlobal>

// Where the daily planner puts pads on its plan, in the plan's pixels, which the day and routine
// files keep. The planner's layout gives them (dailyplan/PlanLayout.h); the rules only use them.
struct PlanPlacement
{
    int leftPaneX = 0;    // a pad's left edge in the left pane, and a routine's there
    int rightPaneX = 0;   // the same in the right pane
    int leftPaneEdge = 0; // a pad whose left edge is at most this far in belongs to the left pane
    int lowestPadTop = 0; // a pad never hangs below the plan

    // The pane of a pad whose left edge is at `left`, as a bar keeps it.
    QString sideOf(int left) const
    {
        return left <= leftPaneEdge ? QStringLiteral("L") : QStringLiteral("R");
    }
    // Where a pad for a bar starting at `startRow` stands: one row below the bar's start, within
    // the plan.
    int padTopFor(int startRow) const { return qBound(0, startRow + 1, lowestPadTop); }
};
