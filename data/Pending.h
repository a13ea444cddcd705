#pragma once

#include "data/JobRecord.h"
#include "data/Session.h"

#include <QList>

// The rule for jobs that are open today, shared by the to-do indicator, the to-do list and the
// daily planner's list of jobs in progress. Dates are compared as raw day serials, so a job that
// starts tomorrow already counts.
namespace Pending {

bool isOpenToday(const JobRecord &job, double today);       // not done, period reaches today
bool isInProgressToday(const JobRecord &job, double today); // in progress, period reaches today

// Whole days from today to the job's end, truncated.
int daysLeft(const JobRecord &job, double today);

enum class Rule { OpenToday, InProgressToday };

// One job of the session's months.
struct JobRef
{
    MonthKind month = MonthKind::Current;
    int slot = 0;
    bool operator==(const JobRef &) const = default;
};

// The jobs of the current and the previous month that the rule picks on the session's day, newest
// first: the current month's used slots from the top down, then the previous month's. A month
// whose file does not exist has none.
QList<JobRef> jobsToday(const Session &session, Rule rule);

// The six looks of the to-do indicator.
enum class Indicator {
    NonePending = 0,
    EndsToday = 1,
    OneDay = 2,
    TwoToThreeDays = 3,
    FourToSixDays = 4,
    SevenOrMore = 5
};

// The look for a set of open jobs: the one that ends soonest decides.
Indicator classify(const QList<JobRecord> &openJobs, double today);
// The look for the session's open jobs today.
Indicator indicatorFor(const Session &session);

} // namespace Pending
