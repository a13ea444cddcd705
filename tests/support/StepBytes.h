#pragma once

#include "support/FileSizeLimit.h"
#include <QByteArray>
#include <QDate>
#include <QtEndian>

#include <csignal>
#include <cstring>
#include <sys/resource.h>

inline double serial(int y, int m, int d)
{
    return double(QDate(1899, 12, 30).daysTo(QDate(y, m, d)));
}

// Builds step file bytes by hand from the file layout, independently of the code under test.
class StepBytes
{
public:
    static constexpr int Size = 12672;
    static constexpr double Unset = 38353.0;

    // Header offsets.
    static constexpr int SourcePath = 0, BaseYear = 256, BeforeMonth = 260, BeforeDays = 264, BaseMonth = 268,
                         BaseDays = 272, AfterMonth = 276, AfterDays = 280, DataNo = 284, Title = 288,
                         StartDate = 352, EndDate = 360, Comments = 368, Customer = 624, JobNo = 656,
                         JobType = 688;
    // Group offsets, relative to the group.
    static constexpr int GroupTitle = 0, PlanStart = 32, PlanEnd = 40, PlanDate = 48, PlanMemo = 56,
                         RevStart = 312, RevEnd = 352, RevDate = 392, RevMemo = 432, ActualStart = 1712,
                         ActualEnd = 1720, ActualDate = 1728, ActualMemo = 1736;

    static constexpr int group(int g) { return 720 + 1992 * g; }

    QByteArray bytes = QByteArray(Size, '\0');

    void i32(int offset, qint32 v) { qToLittleEndian(v, bytes.data() + offset); }
    void f64(int offset, double v)
    {
        quint64 u;
        std::memcpy(&u, &v, 8);
        qToLittleEndian(u, bytes.data() + offset);
    }
    void str(int offset, const QByteArray &s)
    {
        bytes[offset] = char(s.size());
        bytes.replace(offset + 1, s.size(), s);
    }

    void window(int baseYear, int before, int beforeDays, int base, int baseDays, int after, int afterDays)
    {
        i32(BaseYear, baseYear);
        i32(BeforeMonth, before);
        i32(BeforeDays, beforeDays);
        i32(BaseMonth, base);
        i32(BaseDays, baseDays);
        i32(AfterMonth, after);
        i32(AfterDays, afterDays);
    }

    // Every date of every group unset, as a new file has them.
    void unsetAllDates()
    {
        for (int g = 0; g < 6; ++g) {
            const int o = group(g);
            for (int off : {PlanStart, PlanEnd, PlanDate, ActualStart, ActualEnd, ActualDate})
                f64(o + off, Unset);
            for (int i = 0; i < 5; ++i) {
                f64(o + RevStart + 8 * i, Unset);
                f64(o + RevEnd + 8 * i, Unset);
                f64(o + RevDate + 8 * i, Unset);
            }
        }
    }

    static double readF64(const QByteArray &b, int offset)
    {
        const quint64 u = qFromLittleEndian<quint64>(b.constData() + offset);
        double v;
        std::memcpy(&v, &u, 8);
        return v;
    }
};
