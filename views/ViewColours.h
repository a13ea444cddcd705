#pragma once

#include "data/BarChart.h"

#include <QColor>
#include <QPalette>

// The colours the to-do list and the bar graph share with their legends.
namespace ViewColours {

inline QColor notDone()
{
    return QColor(255, 0, 0);
}
inline QColor done()
{
    return QColor(0, 0, 255);
}
inline QColor inProgress()
{
    return QColor(0, 255, 255);
}
inline QColor stepRow()
{
    return QColor(224, 255, 255);
}
inline QColor listArea()
{
    return QColor(166, 202, 240);
}
inline QColor plainRow()
{
    return QColor(255, 255, 255);
}
inline QColor buttonFace()
{
    return QPalette().color(QPalette::Button);
}

inline QColor bar(BarChart::BarColour c)
{
    switch (c) {
    case BarChart::BarColour::Blue:
        return done();
    case BarChart::BarColour::Aqua:
        return inProgress();
    case BarChart::BarColour::Red:
        break;
    }
    return notDone();
}

inline QColor line(BarChart::LineColour c)
{
    switch (c) {
    case BarChart::LineColour::Gray:
        return QColor(128, 128, 128);
    case BarChart::LineColour::Silver:
        return QColor(192, 192, 192);
    case BarChart::LineColour::ButtonFace:
        break;
    }
    return buttonFace();
}

} // namespace ViewColours
