#include "data/Pending.h"

#include "data/DaySerial.h"

namespace Pending {

bool isOpenToday(const JobRecord &job, double today)
{
    return job.startDate - 1 <= today && today <= job.endDate && job.check != JobRecord::Done;
}

bool isInProgressToday(const JobRecord &job, double today)
{
    return job.startDate - 1 <= today && today <= job.endDate && job.check == JobRecord::InProgress;
}

int daysLeft(const JobRecord &job, double today)
{
    return DaySerial::wholeDays(job.endDate - today);
}

QList<JobRef> jobsToday(const Session &session, Rule rule)
{
    const double today = session.todaySerial();
    const auto picks = rule == Rule::OpenToday ? isOpenToday : isInProgressToday;
    QList<JobRef> refs;
    for (MonthKind month : {MonthKind::Current, MonthKind::Previous}) {
        if (!session.fileExists(month))
            continue;
        for (int slot = qMin(session.count(month), MonthFile::RecordCount) - 1; slot >= 0; --slot) {
            if (picks(session.job(month, slot), today))
                refs.append({month, slot});
        }
    }
    return refs;
}

Indicator classify(const QList<JobRecord> &openJobs, double today)
{
    if (openJobs.isEmpty())
        return Indicator::NonePending;
    int smallest = daysLeft(openJobs.first(), today);
    for (const JobRecord &job : openJobs)
        smallest = qMin(smallest, daysLeft(job, today));
    if (smallest <= 0)
        return Indicator::EndsToday;
    if (smallest == 1)
        return Indicator::OneDay;
    if (smallest <= 3)
        return Indicator::TwoToThreeDays;
    if (smallest <= 6)
        return Indicator::FourToSixDays;
    return Indicator::SevenOrMore;
}

Indicator indicatorFor(const Session &session)
{
    QList<JobRecord> open;
    for (const JobRef &ref : jobsToday(session, Rule::OpenToday))
        open.append(session.job(ref.month, ref.slot));
    return classify(open, session.todaySerial());
}

} // namespace Pending
