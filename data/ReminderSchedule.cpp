#include "data/ReminderSchedule.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

QString dayText(const QDate &day)
{
    return day.toString(Qt::ISODate);
}

// The day a key was made for: its second word.
QDate keyDay(const QString &key)
{
    return QDate::fromString(key.section(u' ', 1, 1), Qt::ISODate);
}

void keepEarliest(QDateTime &earliest, const QDateTime &candidate)
{
    if (candidate.isValid() && (!earliest.isValid() || candidate < earliest))
        earliest = candidate;
}

} // namespace

QDate ReminderSchedule::planDayOf(const QDateTime &moment)
{
    return moment.time().hour() < DayStartHour ? moment.date().addDays(-1) : moment.date();
}

std::optional<QDateTime> ReminderSchedule::padStart(const QDate &planDay, const SchedulePadRecord &pad)
{
    if (pad.startHour < 0 || pad.startHour > 11 || pad.startMinute < 0 || pad.startMinute > 59)
        return std::nullopt;
    // Hour 0 with PM is noon; the small hours without PM belong to the next morning.
    const int hour = pad.startPM ? pad.startHour + 12 : pad.startHour;
    const QDate day = hour < DayStartHour ? planDay.addDays(1) : planDay;
    return QDateTime(day, QTime(hour, pad.startMinute));
}

QList<Reminder> ReminderSchedule::padReminders(const QDate &planDay, const SchedulePads &pads,
                                               int minutesBefore)
{
    QList<Reminder> reminders;
    for (const SchedulePadRecord &pad : pads) {
        const std::optional<QDateTime> start = padStart(planDay, pad);
        if (!start || pad.completed)
            continue;
        Reminder r;
        r.kind = Reminder::Kind::Pad;
        r.start = *start;
        r.due = start->addSecs(-60 * qint64(minutesBefore));
        r.day = planDay;
        r.padNo = pad.padNo;
        const QString time = start->time().toString(u"H:mm"_s);
        // A pad moved to another time is a new reminder; a renamed one is not.
        r.key = u"pad "_s + dayText(planDay) + u' ' + QString::number(pad.padNo) + u' ' + time;
        r.title = QString(time + u' ' + pad.keyword).trimmed();
        r.text = pad.content;
        reminders.append(r);
    }
    std::stable_sort(reminders.begin(), reminders.end(),
                     [](const Reminder &a, const Reminder &b) { return a.start < b.start; });
    return reminders;
}

void ReminderSchedule::setSettings(const ReminderSettings &settings)
{
    const bool leadChanged = settings.minutesBefore != m_settings.minutesBefore;
    m_settings = settings;
    if (leadChanged) {
        for (Reminder &r : m_pads)
            r.due = r.start.addSecs(-60 * qint64(m_settings.minutesBefore));
    }
}

void ReminderSchedule::setPlan(const QDate &planDay, const SchedulePads &pads,
                               const SchedulePads &nextDayPads)
{
    m_planDay = planDay;
    m_pads = padReminders(planDay, pads, m_settings.minutesBefore);
    m_pads += padReminders(planDay.addDays(1), nextDayPads, m_settings.minutesBefore);
}

void ReminderSchedule::snooze(Reminder reminder, const QDateTime &at)
{
    reminder.due = at;
    m_snoozed.append(reminder);
}

QStringList ReminderSchedule::announced(const QDate &today) const
{
    QStringList keys;
    for (const QString &key : m_announced) {
        if (keyDay(key).isValid() && keyDay(key) >= today.addDays(-1))
            keys << key;
    }
    keys.sort();
    return keys;
}

void ReminderSchedule::restoreAnnounced(const QStringList &keys)
{
    for (const QString &key : keys)
        m_announced.insert(key);
}

Reminder ReminderSchedule::jobsReminder(const QDate &day) const
{
    Reminder r;
    r.kind = Reminder::Kind::Jobs;
    r.day = day;
    r.key = u"jobs "_s + dayText(day);
    r.due = m_firstLook.isValid() && m_firstLook.date() == day ? m_firstLook
                                                               : QDateTime(day, m_settings.jobsTime);
    return r;
}

bool ReminderSchedule::isDue(const Reminder &reminder, const QDateTime &now) const
{
    return !m_announced.contains(reminder.key) && reminder.due <= now && now < reminder.start;
}

QList<Reminder> ReminderSchedule::takeDue(const QDateTime &now)
{
    QList<Reminder> due;
    if (m_firstLook.isValid() && now < m_firstLook)
        return due;
    if (m_settings.jobsEnabled) {
        const Reminder jobs = jobsReminder(now.date());
        if (jobs.due <= now && !m_announced.contains(jobs.key))
            due.append(jobs);
    }
    if (m_settings.planEnabled) {
        for (const Reminder &r : std::as_const(m_pads)) {
            if (isDue(r, now))
                due.append(r);
        }
    }
    for (auto it = m_snoozed.begin(); it != m_snoozed.end();) {
        if (it->due <= now) {
            due.append(*it);
            it = m_snoozed.erase(it);
        } else {
            ++it;
        }
    }
    for (const Reminder &r : std::as_const(due))
        m_announced.insert(r.key);
    return due;
}

QDateTime ReminderSchedule::nextMoment(const QDateTime &now) const
{
    if (m_firstLook.isValid() && now < m_firstLook)
        return m_firstLook;
    QDateTime next;
    if (m_settings.jobsEnabled) {
        // Today's summary when it is still to come, else the next day's not yet announced.
        for (int ahead = 0; ahead < 3; ++ahead) {
            const Reminder jobs = jobsReminder(now.date().addDays(ahead));
            if (!m_announced.contains(jobs.key)) {
                keepEarliest(next, qMax(jobs.due, now));
                break;
            }
        }
    }
    if (m_settings.planEnabled) {
        for (const Reminder &r : m_pads) {
            if (!m_announced.contains(r.key) && now < r.start)
                keepEarliest(next, qMax(r.due, now));
        }
        keepEarliest(next, QDateTime(planDayOf(now).addDays(1), QTime(DayStartHour, 0)));
    }
    for (const Reminder &r : m_snoozed)
        keepEarliest(next, r.due);
    return next;
}
