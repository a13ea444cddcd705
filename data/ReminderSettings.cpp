#include "data/ReminderSettings.h"

#include <QSettings>

using namespace Qt::StringLiterals;

namespace {

const QString jobsKey = u"Reminders/jobs"_s;
const QString jobsTimeKey = u"Reminders/jobsTime"_s;
const QString planKey = u"Reminders/plan"_s;
const QString minutesKey = u"Reminders/minutesBefore"_s;
const QString announcedKey = u"Reminders/announced"_s;
const QString inTrayKey = u"Start/inTray"_s;

} // namespace

ReminderSettings ReminderSettings::read(const QString &iniPath)
{
    const QSettings ini(iniPath, QSettings::IniFormat);
    ReminderSettings s;
    s.jobsEnabled = ini.value(jobsKey, s.jobsEnabled).toBool();
    const QTime time = QTime::fromString(ini.value(jobsTimeKey).toString(), u"H:mm"_s);
    if (time.isValid())
        s.jobsTime = time;
    s.planEnabled = ini.value(planKey, s.planEnabled).toBool();
    bool ok = false;
    const int minutes = ini.value(minutesKey).toInt(&ok);
    if (ok && minutes >= 0 && minutes <= MaxMinutesBefore)
        s.minutesBefore = minutes;
    s.startInTray = ini.value(inTrayKey, s.startInTray).toBool();
    return s;
}

bool ReminderSettings::write(const QString &iniPath) const
{
    QSettings ini(iniPath, QSettings::IniFormat);
    ini.setValue(jobsKey, jobsEnabled);
    ini.setValue(jobsTimeKey, jobsTime.toString(u"H:mm"_s));
    ini.setValue(planKey, planEnabled);
    ini.setValue(minutesKey, minutesBefore);
    ini.setValue(inTrayKey, startInTray);
    ini.sync();
    return ini.status() == QSettings::NoError;
}

QStringList ReminderSettings::readAnnounced(const QString &iniPath)
{
    return QSettings(iniPath, QSettings::IniFormat).value(announcedKey).toStringList();
}

void ReminderSettings::writeAnnounced(const QString &iniPath, const QStringList &keys)
{
    QSettings(iniPath, QSettings::IniFormat).setValue(announcedKey, keys);
}
