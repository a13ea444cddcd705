#pragma once

#include "data/JobRecord.h"

// The rule for jobs that are open today, shared by the to-do indicator, the to-do list and the
// daily planner's list of jobs in progress. Dates are compared as raw day serials, so a job that
// starts tomorrow already counts.
namespace Pending {

bool isOpenToday(const JobRecord &job, double today);       // not done, period reaches today
bool isInProgressToday(const JobRecord &job, double today); // in progress, period reaches today

// Whole days from today to the job's end, truncated.
int daysLeft(const JobRecord &job, double today);

// The six looks of the to-do indicator.
enum class Indicator {
    NonePending = 0,
    EndsToday = 1,
    OneDay = 2,
    TwoToThreeDays = 3,
    FourToSixDays = 4,
    SevenOrMore = 5
};

// Classifies the open jobs of the used slots (0 .. count - 1) of the given months. A month whose
// file does not exist is passed with count 0.
struct MonthSlice
{
    const MonthFile::Jobs *jobs = nullptr;
    int count = 0;
};
Indicator classify(std::initializer_list<MonthSlice> months, double today);

} // namespace Pending
