#pragma once

#include "data/PlanPlacement.h"
#include "data/TimeAxis.h"

// The daily planner's plan in pixels: two panes of pads either side of the time strip, one pixel
// row per half minute, and a pad's size. The day and routine files keep pad positions in these
// pixels, so they are part of the files too.
namespace PlanLayout {

constexpr int PaneWidth = 300;
constexpr int TimeStripWidth = 48;
// The plan the pads lie on: the panes, the strip between them and a frame.
constexpr int PlanWidth = 1 + PaneWidth + TimeStripWidth + PaneWidth + 1;
constexpr int PlanHeight = TimeAxis::Rows + 4;
constexpr int PadWidth = 295;
constexpr int PadHeight = 80;
// Where a pad stands in each pane; a pad whose left edge is at most LeftPaneEdge belongs to the left.
constexpr int LeftPaneX = 4;
constexpr int RightPaneX = 351;
constexpr int LeftPaneEdge = 300;

constexpr PlanPlacement placement()
{
    return {LeftPaneX, RightPaneX, LeftPaneEdge, PlanHeight - PadHeight};
}

} // namespace PlanLayout
