#include "data/MonthFileCache.h"

#include "data/PastMonths.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>

#include <sys/stat.h>

using namespace Qt::StringLiterals;

namespace {

qint64 nanoseconds(const timespec &t)
{
    return qint64(t.tv_sec) * 1000000000 + t.tv_nsec;
}

} // namespace

MonthFileCache::Stamp MonthFileCache::stampOf(const QString &path)
{
    // The change time and the inode too: a save replaces the file (a new inode), and a program that
    // puts the old time back on a rewritten file cannot put back the change time.
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return {};
    return {qint64(st.st_size), nanoseconds(st.st_mtim), nanoseconds(st.st_ctim), quint64(st.st_ino)};
}

MonthFileCache::Scan MonthFileCache::refresh(std::optional<std::chrono::milliseconds> budget)
{
    QElapsedTimer clock;
    clock.start();
    Scan scan;
    int reads = 0;
    QHash<QString, Cached> kept;
    // System files too: a FIFO or a broken link with a month's name is counted as unreadable.
    const QDir folder(m_folder);
    const QStringList names = folder.entryList({u"*.vxf"_s}, QDir::Files | QDir::System, QDir::Unsorted);
    for (const QString &name : names) {
        const PastMonths::MonthOfName of = PastMonths::monthOf(name);
        if (!of.hasYear || of.month == 0)
            continue;
        const QString path = folder.filePath(name);
        const Stamp stamp = stampOf(path);
        Cached cached = m_files.value(name);
        if (!(cached.stamp == stamp)) {
            if (budget && reads > 0 && clock.elapsed() >= budget->count()) {
                ++scan.pending;
                continue;
            }
            ++reads;
            cached = {stamp, nullptr};
            MonthFile::Jobs jobs{};
            if (PastMonths::read(path, &jobs))
                cached.month = std::make_shared<const JobSearch::Month>(
                    JobSearch::Month{name, of.year, of.month, JobSearch::entriesOf(jobs)});
        }
        kept.insert(name, cached);
        if (cached.month)
            scan.months.append(cached.month);
        else
            scan.unreadable.append(name);
    }
    if (reads > 0 || kept.size() != m_files.size())
        ++m_generation;
    m_files = std::move(kept);
    scan.generation = m_generation;
    return scan;
}
