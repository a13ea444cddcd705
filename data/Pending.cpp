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

Indicator classify(std::initializer_list<MonthSlice> months, double today)
{
    int pending = 0;
    int smallest = 61;
    for (const MonthSlice &m : months) {
        if (!m.jobs)
            continue;
        for (int i = 0; i < m.count && i < MonthFile::RecordCount; ++i) {
            const JobRecord &job = (*m.jobs)[size_t(i)];
            if (!isOpenToday(job, today))
                continue;
            ++pending;
            smallest = qMin(smallest, daysLeft(job, today));
        }
    }
    if (pending == 0)
        return Indicator::NonePending;
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

} // namespace Pending
