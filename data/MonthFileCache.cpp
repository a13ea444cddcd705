#include "data/MonthFileCache.h"

#include "data/PastMonths.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>

using namespace Qt::StringLiterals;

MonthFileCache::Scan MonthFileCache::refresh(std::optional<std::chrono::milliseconds> budget)
{
    QElapsedTimer clock;
    clock.start();
    Scan scan;
    int reads = 0;
    QHash<QString, Cached> kept;
    // System files too: a FIFO or a broken link with a month's name is counted as unreadable.
    const QFileInfoList files =
        QDir(m_folder).entryInfoList({u"*.vxf"_s}, QDir::Files | QDir::System, QDir::Unsorted);
    for (const QFileInfo &info : files) {
        const QString name = info.fileName();
        const PastMonths::MonthOfName of = PastMonths::monthOf(name);
        if (!of.hasYear || of.month == 0)
            continue;
        const Stamp stamp{info.size(), info.lastModified()};
        Cached cached = m_files.value(name);
        if (!(cached.stamp == stamp)) {
            if (budget && reads > 0 && clock.elapsed() >= budget->count()) {
                ++scan.pending;
                continue;
            }
            ++reads;
            cached = {stamp, nullptr};
            MonthFile::Jobs jobs{};
            if (PastMonths::read(QDir(m_folder).filePath(name), &jobs))
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
