#pragma once

#include "data/TimeAxis.h"

#include <QByteArray>
#include <QString>

// What a schedule pad of a day file and a routine of the routine file both hold, in the same order
// in both records: the number, where the pad stands, its texts, the bar colour, the two times and
// the memo. A day pad keeps a "completed" byte between the texts and the colour, a routine does
// not, so the fields from the colour on lie at a base of their own.
struct PadFields
{
    static constexpr int KeywordCapacity = 31;
    static constexpr int ContentCapacity = 63;
    static constexpr int MemoCapacity = 255;

    // Where a record keeps the fields: `head` for the number, the position and the texts, `tail`
    // for the colour, the times and the memo.
    struct Base
    {
        int head = 0;
        int tail = 0;
        // The same record `offset` bytes further into a file.
        constexpr Base at(int offset) const { return {head + offset, tail + offset}; }
    };

    qint32 padNo = 0;
    qint32 padLeft = 0;
    qint32 padTop = 0;
    QString keyword;
    QString content;
    qint32 barColor = 0;
    qint32 startHour = -1; // -1: no times
    qint32 startMinute = -1;
    bool startPM = false;
    qint32 endHour = -1;
    qint32 endMinute = -1;
    bool endPM = false;
    QString memo; // line breaks as CR LF

    bool hasTimes() const { return startHour != -1; }
    TimeAxis::ClockTime start() const { return {startHour, startMinute, startPM}; }
    TimeAxis::ClockTime end() const { return {endHour, endMinute, endPM}; }
    void setStart(const TimeAxis::ClockTime &time);
    void setEnd(const TimeAxis::ClockTime &time);
    void clearTimes();

    void readFields(const QByteArray &image, Base base);
    // Fields holding their value keep their bytes.
    void writeFields(QByteArray &image, Base base) const;
    bool operator==(const PadFields &) const = default;
};
