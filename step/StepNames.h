#pragma once

#include "data/StepFile.h"

#include <QString>

// What the step planner calls its rows, strips and file, on screen and on paper alike.
namespace StepNames {

// "全体日程" for row 0, "ステップ 1" to "ステップ 5" for the steps; the notebook writes them without
// the space.
inline QString row(int row, bool spaced = true)
{
    if (row == 0)
        return QStringLiteral("全体日程");
    return (spaced ? QStringLiteral("ステップ %1") : QStringLiteral("ステップ%1")).arg(row);
}

// The short name beside a strip.
inline QString strip(StepKind kind)
{
    static constexpr const char16_t *names[] = {u"当初", u"修正", u"実績"};
    return QString::fromUtf16(names[int(kind)]);
}

// The long name the notebook gives a strip's periods.
inline QString plan(StepKind kind)
{
    return kind == StepKind::Actual ? strip(kind) : strip(kind) + QStringLiteral("計画");
}

// The job's month and number, as "1月 No.7".
inline QString dataNo(const StepFile &step)
{
    return QString::number(step.months.baseMonth) + QStringLiteral("月 No.") + QString::number(step.dataNo);
}

// The first word of the object names of a strip and of its radio button.
inline QString role(StepKind kind)
{
    static constexpr const char16_t *roles[] = {u"initial", u"revised", u"actual"};
    return QString::fromUtf16(roles[int(kind)]);
}

} // namespace StepNames
