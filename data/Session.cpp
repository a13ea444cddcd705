#include "data/Session.h"

#include "data/DaySerial.h"

#include <QFileInfo>

Session::Session(const QString &exeDir) : m_exeDir(exeDir)
{
    while (m_exeDir.size() > 1 && m_exeDir.endsWith(QLatin1Char('/')))
        m_exeDir.chop(1);
}

QString Session::pathOf(const QString &name) const
{
    return m_exeDir + QLatin1Char('/') + name;
}

SafeFile::Result Session::loadConfig(FileOperation *failed)
{
    const QString path = configPath();
    if (!QFileInfo::exists(path)) {
        const SafeFile::Result written =
            SafeFile::write(path, Config::defaultFileBytes(m_exeDir), SafeFile::Tail::Drop);
        if (!written) {
            if (failed)
                *failed = FileOperation::Create;
            return written;
        }
    }
    QByteArray bytes;
    const SafeFile::Result read = SafeFile::read(path, &bytes);
    if (!read) {
        if (failed)
            *failed = FileOperation::Read;
        return read;
    }
    m_config.applyFileBytes(bytes);
    return read;
}

void Session::startDay(const QDate &today)
{
    m_today = today;
    m_thisYear = today.year();
    m_thisMonth = today.month();
    m_prevMonth = DaySerial::previousMonth(m_thisMonth);
    m_currentFileName = MonthFile::fileName(m_thisYear, m_thisMonth);
    m_previousFileName = MonthFile::fileName(prevMonthYear(), m_prevMonth);
}

double Session::todaySerial() const
{
    return DaySerial::fromDate(m_today);
}

QString Session::fileName(MonthKind kind) const
{
    switch (kind) {
    case MonthKind::Current:
        return m_currentFileName;
    case MonthKind::Previous:
        return m_previousFileName;
    case MonthKind::Past:
        return m_pastFileName;
    }
    return {};
}

bool Session::fileExists(MonthKind kind) const
{
    const QString name = fileName(kind);
    return !name.isEmpty() && QFileInfo::exists(pathOf(name));
}

MonthFile::Jobs &Session::jobsOf(MonthKind kind)
{
    switch (kind) {
    case MonthKind::Current:
        return m_currentJobs;
    case MonthKind::Previous:
        return m_previousJobs;
    case MonthKind::Past:
        break;
    }
    return m_pastJobs;
}

const MonthFile::Jobs &Session::jobs(MonthKind kind) const
{
    return const_cast<Session *>(this)->jobsOf(kind);
}

int &Session::countOf(MonthKind kind)
{
    switch (kind) {
    case MonthKind::Current:
        return m_currentCount;
    case MonthKind::Previous:
        return m_previousCount;
    case MonthKind::Past:
        break;
    }
    return m_pastCount;
}

int Session::count(MonthKind kind) const
{
    return const_cast<Session *>(this)->countOf(kind);
}

int Session::monthNumber(MonthKind kind) const
{
    return kind == MonthKind::Previous ? m_prevMonth : m_thisMonth;
}

SafeFile::Result Session::load(MonthKind kind)
{
    QByteArray bytes;
    const SafeFile::Result r = SafeFile::read(pathOf(fileName(kind)), &bytes, MonthFile::Size);
    if (!r)
        return r;
    jobsOf(kind) = MonthFile::fromBytes(bytes);
    countOf(kind) = MonthFile::countUsedRecords(jobsOf(kind));
    return r;
}

SafeFile::Result Session::storeRecord(MonthKind kind, int slot, const JobRecord &record, SafeFile::Tail tail)
{
    Q_ASSERT(slot >= 0 && slot < MonthFile::RecordCount);
    MonthFile::Jobs jobs = jobsOf(kind);
    jobs[size_t(slot)] = record;
    const SafeFile::Result r = SafeFile::write(pathOf(fileName(kind)), MonthFile::toBytes(jobs), tail);
    if (!r)
        return r;
    jobsOf(kind) = jobs;
    countOf(kind) = MonthFile::countUsedRecords(jobs);
    return r;
}

SafeFile::Result Session::loadPast(const QString &name)
{
    m_pastFileName = name;
    return load(MonthKind::Past);
}
