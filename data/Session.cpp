#include "data/Session.h"

#include "data/ConfigPath.h"
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
    SafeFile::Snapshot snapshot;
    const SafeFile::Result read = SafeFile::read(path, &bytes, Config::MaxFileBytes, &snapshot);
    if (!read) {
        if (failed)
            *failed = FileOperation::Read;
        return read;
    }
    m_config.applyFileBytes(bytes);
    m_config.picturePath = ConfigPath::resolvedPicture(m_config.picturePath, m_exeDir);
    m_configSnapshot = snapshot;
    return read;
}

SafeFile::Result Session::saveConfig()
{
    // The whole file is ours and rewritten whole: nothing after the 50 lines is worth keeping. One
    // that has gone is written anew; one another program (or Wrenly) changed is left alone.
    const QString path = configPath();
    const SafeFile::Snapshot expected = QFileInfo::exists(path) ? m_configSnapshot : SafeFile::Snapshot();
    const SafeFile::Result r =
        SafeFile::write(path, configBytes(m_config), SafeFile::Tail::Drop, &expected, &m_configSnapshot);
    if (r.changedOnDisk)
        takeChangedConfig();
    return r;
}

void Session::takeChangedConfig()
{
    QByteArray bytes;
    SafeFile::Snapshot snapshot;
    if (!SafeFile::read(configPath(), &bytes, Config::MaxFileBytes, &snapshot))
        return; // the next save meets the same change and tries again
    m_config = Config::merged(configOf(m_configSnapshot.head), m_config, configOf(bytes));
    m_configSnapshot = snapshot;
}

Config Session::configOf(const QByteArray &bytes) const
{
    Config c = Config::fromFileBytes(bytes);
    c.picturePath = ConfigPath::resolvedPicture(c.picturePath, m_exeDir);
    return c;
}

QByteArray Session::configBytes(const Config &config) const
{
    Config stored = config;
    stored.picturePath = ConfigPath::storedPicture(config.picturePath, m_exeDir);
    return stored.toFileBytes();
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

const MonthFile::Jobs &Session::jobs(MonthKind kind) const
{
    return month(kind).jobs;
}

int Session::count(MonthKind kind) const
{
    return month(kind).count;
}

int Session::monthNumber(MonthKind kind) const
{
    return kind == MonthKind::Previous ? m_prevMonth : m_thisMonth;
}

SafeFile::Result Session::load(MonthKind kind)
{
    QByteArray bytes;
    SafeFile::Snapshot snapshot;
    const SafeFile::Result r = SafeFile::read(pathOf(fileName(kind)), &bytes, MonthFile::Size, &snapshot);
    if (!r)
        return r;
    Month &m = month(kind);
    m.snapshot = snapshot;
    m.image = bytes;
    m.image.append(QByteArray(MonthFile::Size - bytes.size(), '\0'));
    m.jobs = MonthFile::fromBytes(m.image);
    m.count = MonthFile::countUsedRecords(m.jobs);
    return r;
}

SafeFile::Result Session::storeRecord(MonthKind kind, int slot, const JobRecord &record, SafeFile::Tail tail)
{
    Q_ASSERT(slot >= 0 && slot < MonthFile::RecordCount);
    QByteArray image = month(kind).image;
    record.writeInto(image, slot * JobRecord::Size);
    return storeImage(kind, image, tail);
}

SafeFile::Result Session::copyRecords(MonthKind kind, const QByteArray &source, const QList<int> &chosen)
{
    QByteArray image = month(kind).image;
    const QByteArray from = source.leftJustified(MonthFile::Size, '\0', true);
    for (int slot : chosen) {
        Q_ASSERT(slot >= 0 && slot < MonthFile::RecordCount);
        image.replace(slot * JobRecord::Size, JobRecord::Size,
                      from.mid(slot * JobRecord::Size, JobRecord::Size));
    }
    return storeImage(kind, image, SafeFile::Tail::Keep);
}

SafeFile::Result Session::storeImage(MonthKind kind, const QByteArray &image, SafeFile::Tail tail)
{
    Month &m = month(kind);
    // A file that has gone since it was read holds nothing to lose: it is written anew from memory.
    const QString path = pathOf(fileName(kind));
    const SafeFile::Snapshot expected = QFileInfo::exists(path) ? m.snapshot : SafeFile::Snapshot();
    SafeFile::Snapshot written;
    const SafeFile::Result r = SafeFile::write(path, image, tail, &expected, &written);
    if (!r)
        return r;
    m.image = image;
    m.snapshot = written;
    // Memory holds what the file holds, down to texts cut to their fields.
    m.jobs = MonthFile::fromBytes(image);
    m.count = MonthFile::countUsedRecords(m.jobs);
    return r;
}

SafeFile::Result Session::loadPast(const QString &name)
{
    const QString before = m_pastFileName;
    m_pastFileName = name;
    const SafeFile::Result r = load(MonthKind::Past);
    // A file that could not be read leaves the past month as it was, name and records alike.
    if (!r)
        m_pastFileName = before;
    return r;
}
