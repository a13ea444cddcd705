#pragma once

#include "data/JobRecord.h"

#include <QDate>
#include <QStringList>

// The day's job summary: the open jobs of this month and the month before that end today, that are
// overdue (ended before today) and that start today. Each job counts once, in that order.
struct JobDigest
{
    int endsToday = 0;
    int overdue = 0;
    int startsToday = 0;
    QStringList titles; // in the order they were counted

    static JobDigest of(const MonthFile::Jobs &current, const MonthFile::Jobs &previous, const QDate &today);
    // The same from the month files in `folder`; a file that is missing or unreadable has no jobs.
    static JobDigest read(const QString &folder, const QDate &today);

    bool isEmpty() const { return endsToday + overdue + startsToday == 0; }
    // "本日終了予定: N 件 / 期限切れ: M 件 / 本日開始: K 件"
    QString summary() const;
    // The first `shown` titles, one a line, and how many more there are.
    QString body(int shown = 3) const;
};
