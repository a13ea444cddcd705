#pragma once

#include "data/ReminderSchedule.h"

#include <QFileSystemWatcher>
#include <QHash>
#include <QObject>
#include <QTimer>

#include <chrono>

class Session;
struct Services;

// Announces the day's job summary and the pads of today's plan as desktop notifications. One
// timer waits for the next due moment, never polling; when it fires the wall clock decides what
// is due, so a suspend or a changed clock only means computing the next moment again. The day
// files are read again when their folder changes; what was announced is kept in Wrenly.ini, so a
// restart repeats nothing.
class ReminderController final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(ReminderController)
public:
    static constexpr std::chrono::seconds StartDelay{5};

    ReminderController(const Session &session, Services &services, QObject *parent = nullptr);
    ~ReminderController() override;

    // The first look, with the day's job summary, comes after `delay`.
    void start(std::chrono::milliseconds delay = StartDelay);
    // Takes the settings as Wrenly.ini now holds them.
    void reloadSettings();
    // What the timer and the folder watch run: reads changed day files, announces what is due and
    // sets the timer for the next moment.
    void check();

    // When the timer fires next; invalid while it is stopped.
    QDateTime armedFor() const { return m_armedFor; }
    const ReminderSchedule &schedule() const { return m_schedule; }

signals:
    // The job summary was clicked: show the main window and the to-do list.
    void showJobsRequested();
    // "開く" of a pad: the daily planner on today.
    void openPlanRequested();

private:
    void readPlan(const QDate &planDay);
    void watchPlanFolders(const QDate &planDay);
    void checkSoon();
    void announce(const Reminder &reminder);
    void act(quint32 id, const QString &key);
    void arm(const QDateTime &now);

    QString m_folder;
    QString m_settingsPath;
    Services &m_services;
    ReminderSchedule m_schedule;
    bool m_started = false;
    QTimer m_timer;
    QDateTime m_armedFor;
    QFileSystemWatcher m_watcher;
    bool m_checkQueued = false;
    QByteArray m_planBytes;           // the day files as last read, with their day
    QHash<quint32, Reminder> m_shown; // by notification number
};
