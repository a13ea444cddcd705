#pragma once

#include "data/TimeAxis.h"

#include <QString>

class QCheckBox;
class QComboBox;
class QSpinBox;
class QWidget;

// The hour, minute and PM boxes of one time of a pad, the same on schedule pads and routine
// editors: the hour is typed or picked from 0..11, the minute wraps at its ends without carrying
// into the hour.
struct PadTimeBoxes
{
    QComboBox *hour = nullptr;
    QSpinBox *minute = nullptr;
    QCheckBox *pm = nullptr;

    // Makes the boxes and their labels on `pad`: the start row, or the end row.
    static PadTimeBoxes make(QWidget *pad, bool start);
    void show(const TimeAxis::ClockTime &time) const;
    // False when the hour or the minute is not a whole number.
    bool read(TimeAxis::ClockTime *time) const;

    // What a minute box shows for a value: kept to its range, which wraps at the ends.
    static int shownMinute(int minute);
    // Told instead of reading a time that is not a number.
    static QString notNumberMessage();
};
