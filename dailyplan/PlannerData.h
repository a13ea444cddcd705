#pragma once

#include "dailyplan/PlanLayout.h"
#include "data/DayPlan.h"
#include "data/ListBook.h"
#include "data/RoutineBook.h"

// What the daily planner works on, kept by the launcher for the whole run: the shown day, the
// routines and the lists, placed on the planner's plan.
struct PlannerData
{
    DayPlan day{PlanLayout::placement()};
    RoutineBook routines{PlanLayout::placement()};
    ListBook lists;
};
