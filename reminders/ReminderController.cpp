#include "reminders/ReminderController.h"

#include "data/DailyPlanPaths.h"
#include "data/JobDigest.h"
#include "data/SafeFile.h"
#include "data/Session.h"
#include "platform/Clock.h"
#include "platform/Notifier.h"
#include "platform/Services.h"

#include <QFileInfo>

#include <algorithm>
#include <climits>

using namespace Qt::StringLiterals;

namespace {

const QString openAction = u"open"_s;
const QString snoozeAction = u"snooze"_s;
const QString toDoAction = u"todo"_s;
constexpr int ShownTitles = 3;

} // namespace

ReminderController::ReminderController(const Session &session, Services &services, QObject *parent)
    : QObject(parent), m_folder(session.exeDir()), m_settingsPath(session.settingsPath()),
      m_services(services)
{
    m_timer.setSingleShot(true);
    // One wake-up a day or so: exactness costs nothing, and a coarse timer may fire a second early.
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &ReminderController::check);
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, this, &ReminderController::checkSoon);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, this, &ReminderController::checkSoon);
    connect(&m_services.notifier, &Notifier::actionInvoked, this, &ReminderController::act);
    connect(&m_services.notifier, &Notifier::closed, this, [this](quint32 id) { m_shown.remove(id); });
}

ReminderController::~ReminderController() = default;

void ReminderController::start(std::chrono::milliseconds delay)
{
    m_schedule.setSettings(ReminderSettings::read(m_settingsPath));
    m_schedule.restoreAnnounced(ReminderSettings::readAnnounced(m_settingsPath));
    m_schedule.setFirstLook(m_services.clock.now().addMSecs(delay.count()));
    m_started = true;
    check();
}

void ReminderController::reloadSettings()
{
    m_schedule.setSettings(ReminderSettings::read(m_settingsPath));
    if (m_started)
        check();
}

// A save makes several changes to a folder at once (temporary file, rename): one look after them.
void ReminderController::checkSoon()
{
    if (m_checkQueued)
        return;
    m_checkQueued = true;
    QTimer::singleShot(0, this, [this] {
        m_checkQueued = false;
        check();
    });
}

void ReminderController::check()
{
    const QDateTime now = m_services.clock.now();
    const QDate planDay = ReminderSchedule::planDayOf(now);
    if (m_schedule.settings().planEnabled) {
        readPlan(planDay);
        watchPlanFolders(planDay);
    } else if (!m_watcher.directories().isEmpty() || !m_watcher.files().isEmpty()) {
        m_watcher.removePaths(m_watcher.directories() + m_watcher.files());
    }
    const QList<Reminder> due = m_schedule.takeDue(now);
    for (const Reminder &reminder : due)
        announce(reminder);
    if (!due.isEmpty())
        ReminderSettings::writeAnnounced(m_settingsPath, m_schedule.announced(now.date()));
    arm(now);
}

void ReminderController::readPlan(const QDate &planDay)
{
    // Both files are small and bounded: read whole, compared with what was read last time.
    std::array<QByteArray, 2> bytes;
    QByteArray seen = planDay.toString(Qt::ISODate).toLatin1();
    for (int i = 0; i < 2; ++i) {
        const QString path = DailyPlanPaths::dayFile(m_folder, planDay.addDays(i));
        if (QFileInfo(path).isFile() && !SafeFile::read(path, &bytes[size_t(i)], DayFile::Size))
            bytes[size_t(i)].clear();
        seen += '\0' + bytes[size_t(i)];
    }
    if (seen == m_planBytes)
        return;
    m_planBytes = seen;
    auto padsOf = [](const QByteArray &b) {
        return b.isEmpty() ? SchedulePads{} : DayFile::fromBytes(b).pads;
    };
    m_schedule.setPlan(planDay, padsOf(bytes[0]), padsOf(bytes[1]));
}

// The month folders of the two days, or the nearest folder above that exists, where they will
// appear; and the day files themselves, which another program may write in place.
void ReminderController::watchPlanFolders(const QDate &planDay)
{
    QStringList wanted;
    for (int i = 0; i < 2; ++i) {
        const QDate day = planDay.addDays(i);
        const QString file = DailyPlanPaths::dayFile(m_folder, day);
        if (QFileInfo(file).isFile())
            wanted << file;
        for (const QString &folder : {DailyPlanPaths::monthFolder(m_folder, day),
                                      DailyPlanPaths::dailyPlanRoot(m_folder), m_folder}) {
            if (QFileInfo(folder).isDir()) {
                wanted << folder;
                break;
            }
        }
    }
    const QStringList watched = m_watcher.directories() + m_watcher.files();
    for (const QString &path : watched) {
        if (!wanted.contains(path))
            m_watcher.removePath(path);
    }
    for (const QString &path : std::as_const(wanted)) {
        if (!watched.contains(path))
            m_watcher.addPath(path);
    }
}

void ReminderController::announce(const Reminder &reminder)
{
    Notifier::Message message;
    if (reminder.kind == Reminder::Kind::Jobs) {
        const JobDigest digest = JobDigest::read(m_folder, reminder.day);
        if (digest.isEmpty())
            return;
        message.title = digest.summary();
        message.body = digest.body(ShownTitles);
        message.actions = {{Notifier::defaultAction(), u"To-Do リストを表示"_s},
                           {toDoAction, u"To-Do リストを表示"_s}};
        message.urgency = digest.overdue > 0 ? Notifier::Urgency::Critical : Notifier::Urgency::Normal;
    } else {
        message.title = reminder.title;
        message.body = reminder.text;
        message.actions = {{Notifier::defaultAction(), u"開く"_s},
                           {openAction, u"開く"_s},
                           {snoozeAction, u"%1 分後に再通知"_s.arg(ReminderSchedule::SnoozeMinutes)}};
    }
    if (const quint32 id = m_services.notifier.notify(message))
        m_shown.insert(id, reminder);
}

void ReminderController::act(quint32 id, const QString &key)
{
    const auto it = m_shown.constFind(id);
    if (it == m_shown.cend())
        return;
    // A copy: the slots the signals below reach may change m_shown.
    const Reminder reminder = *it; // NOLINT(performance-unnecessary-copy-initialization)
    if (reminder.kind == Reminder::Kind::Jobs) {
        emit showJobsRequested();
    } else if (key == snoozeAction) {
        m_schedule.snooze(reminder, m_services.clock.now().addSecs(60 * ReminderSchedule::SnoozeMinutes));
        arm(m_services.clock.now());
    } else {
        emit openPlanRequested();
    }
}

void ReminderController::arm(const QDateTime &now)
{
    m_armedFor = m_schedule.nextMoment(now);
    if (!m_armedFor.isValid()) {
        m_timer.stop();
        return;
    }
    m_timer.start(int(std::clamp<qint64>(now.msecsTo(m_armedFor), 0, INT_MAX)));
}
