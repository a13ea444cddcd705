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
    switch (kind) {
    case StepKind::Initial:
        return QStringLiteral("当初");
    case StepKind::Revised:
        return QStringLiteral("修正");
    case StepKind::Actual:
        break;
    }
    return QStringLiteral("実績");
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
    switch (kind) {
    case StepKind::Initial:
        return QStringLiteral("initial");
    case StepKind::Revised:
        return QStringLiteral("revised");
    case StepKind::Actual:
        break;
    }
    return QStringLiteral("actual");
}

} // namespace StepNames
