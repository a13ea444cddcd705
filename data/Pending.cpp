#include "Pending.h"

#include "DaySerial.h"

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

int smallestDaysLeft(std::initializer_list<MonthSlice> months, double today)
{
    int smallest = 61;
    for (const MonthSlice &m : months) {
        if (!m.jobs)
            continue;
        for (int i = 0; i < m.count && i < MonthFile::RecordCount; ++i) {
            const JobRecord &job = (*m.jobs)[size_t(i)];
            if (isOpenToday(job, today))
                smallest = qMin(smallest, daysLeft(job, today));
        }
    }
    return smallest;
}

Indicator classify(std::initializer_list<MonthSlice> months, double today)
{
    int pending = 0;
    for (const MonthSlice &m : months) {
        if (!m.jobs)
            continue;
        for (int i = 0; i < m.count && i < MonthFile::RecordCount; ++i)
            pending += isOpenToday((*m.jobs)[size_t(i)], today) ? 1 : 0;
    }
    if (pending == 0)
        return Indicator::NonePending;
    const int d = smallestDaysLeft(months, today);
    if (d <= 0)
        return Indicator::EndsToday;
    if (d == 1)
        return Indicator::OneDay;
    if (d <= 3)
        return Indicator::TwoToThreeDays;
    if (d <= 6)
        return Indicator::FourToSixDays;
    return Indicator::SevenOrMore;
}

} // namespace Pending
