#pragma once

#include <QString>
#include <QStringList>
#include <QTime>

// What the user chose for reminders and for the start at log-in. Config.vxc has no line for these:
// they live in Wrenly.ini.
struct ReminderSettings
{
    static constexpr int MaxMinutesBefore = 120;

    bool jobsEnabled = true;
    QTime jobsTime{9, 0};
    bool planEnabled = true;
    int minutesBefore = 5;
    bool startInTray = false; // the autostart entry starts Wrenly in the tray

    // Missing or broken values read as their defaults.
    static ReminderSettings read(const QString &iniPath);
    // False when the file could not be written.
    bool write(const QString &iniPath) const;

    // What was announced, as ReminderSchedule remembers it.
    static QStringList readAnnounced(const QString &iniPath);
    static void writeAnnounced(const QString &iniPath, const QStringList &keys);

    bool operator==(const ReminderSettings &) const = default;
};
