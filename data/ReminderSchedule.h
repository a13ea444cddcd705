#pragma once

#include "data/DayFile.h"
#include "data/ReminderSettings.h"

#include <QDateTime>
#include <QList>
#include <QSet>
#include <QStringList>

#include <optional>

// One thing to announce: the day's job summary or a pad of the daily plan.
struct Reminder
{
    enum class Kind { Jobs, Pad };

    Kind kind = Kind::Jobs;
    QString key;     // what is remembered as announced; equal keys are announced once
    QDateTime due;   // when it is announced
    QDateTime start; // a pad's start; nothing is announced for a pad that has started
    QDate day;       // jobs: the calendar day; pads: the day of the plan it belongs to
    int padNo = 0;
    QString title; // a pad's start and keyword, "10:30 会議"
    QString text;  // a pad's description

    bool operator==(const Reminder &) const = default;
};

// When reminders are due. A day of the plan runs from 6:00 to 5:59 of the next morning, so a pad
// at 0:30 in the file of the 15th starts on the 16th, and at 0:20 on the 16th the plan of the
// 15th is still the one in force. The job summary is once a calendar day: at the first look after
// a start, else at the chosen time. Nothing is due twice: what was announced is remembered, also
// across a restart. Every rule takes the wall-clock time it is asked at, so a suspend or a changed
// clock only means asking again.
class ReminderSchedule final
{
public:
    static constexpr int DayStartHour = 6;
    static constexpr int SnoozeMinutes = 5;

    // The day of the plan that `moment` falls in.
    static QDate planDayOf(const QDateTime &moment);
    // Where a pad with times starts on the plan of `planDay`; none for a pad without valid times.
    static std::optional<QDateTime> padStart(const QDate &planDay, const SchedulePadRecord &pad);
    // The pads of one day that want announcing: with times, not completed.
    static QList<Reminder> padReminders(const QDate &planDay, const SchedulePads &pads, int minutesBefore);

    void setSettings(const ReminderSettings &settings);
    const ReminderSettings &settings() const { return m_settings; }
    // Nothing is due before `moment`; the day's job summary is due then, unless already announced.
    void setFirstLook(const QDateTime &moment) { m_firstLook = moment; }
    // The pads of the plan day in force and of the day after (whose first pads may be due before
    // 6:00).
    void setPlan(const QDate &planDay, const SchedulePads &pads, const SchedulePads &nextDayPads);
    QDate planDay() const { return m_planDay; }
    // Announces `reminder` again at `at`, announced or not.
    void snooze(Reminder reminder, const QDateTime &at);

    // What was announced on `today` or the day before; older keys are forgotten.
    QStringList announced(const QDate &today) const;
    void restoreAnnounced(const QStringList &keys);

    // Everything due at `now`, from then on remembered as announced.
    QList<Reminder> takeDue(const QDateTime &now);
    // The earliest moment after which takeDue may return more; the next 6:00 at the latest while
    // the plan is on, so that the next day's pads are read. Invalid when nothing will ever be due.
    QDateTime nextMoment(const QDateTime &now) const;

private:
    Reminder jobsReminder(const QDate &day) const;
    bool isDue(const Reminder &reminder, const QDateTime &now) const;

    ReminderSettings m_settings;
    QDateTime m_firstLook;
    QDate m_planDay;
    QList<Reminder> m_pads;
    QList<Reminder> m_snoozed;
    QSet<QString> m_announced;
};
