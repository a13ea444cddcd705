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

void Session::setThisYearMonth(int year, int month)
{
    m_thisYear = year;
    m_thisMonth = month;
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

MonthFile::Jobs &Session::jobs(MonthKind kind)
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
    return const_cast<Session *>(this)->jobs(kind);
}

int Session::count(MonthKind kind) const
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

int Session::recount(MonthKind kind)
{
    const int n = MonthFile::countUsedRecords(jobs(kind));
    switch (kind) {
    case MonthKind::Current:
        m_currentCount = n;
        break;
    case MonthKind::Previous:
        m_previousCount = n;
        break;
    case MonthKind::Past:
        m_pastCount = n;
        break;
    }
    return n;
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
    jobs(kind) = MonthFile::fromBytes(bytes);
    recount(kind);
    return r;
}

SafeFile::Result Session::save(MonthKind kind, SafeFile::Tail tail)
{
    return SafeFile::write(pathOf(fileName(kind)), MonthFile::toBytes(jobs(kind)), tail);
}

SafeFile::Result Session::loadPast(const QString &name)
{
    m_pastFileName = name;
    return load(MonthKind::Past);
}
