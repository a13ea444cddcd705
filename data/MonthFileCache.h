#pragma once

#include "data/JobSearch.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <chrono>
#include <optional>

// Every month file of the program folder (Y????MMM.vxf, in any case), decoded for the search. A
// file is read again only when its size or times of change differ from the last read, so that a
// search over years of months reads at most what another program (or a save) changed since.
class MonthFileCache final
{
public:
    explicit MonthFileCache(const QString &folder) : m_folder(folder) {}

    struct Scan
    {
        QList<JobSearch::MonthPtr> months; // the readable month files, in no order
        QStringList unreadable;            // names of the files that could not be read
        int pending = 0;                   // files not read yet because the time was up
        quint64 generation = 0;            // grows whenever what the cache holds changes
    };
    // Looks at the folder and reads the month files that are new or changed; forgets the ones that
    // have gone. With a budget it stops reading once the time is up (having read at least one file)
    // and counts the rest as pending: the next call goes on with them.
    Scan refresh(std::optional<std::chrono::milliseconds> budget = std::nullopt);

    const QString &folder() const { return m_folder; }

private:
    struct Stamp
    {
        qint64 size = -1;
        qint64 modified = 0; // nanoseconds
        qint64 changed = 0;  // of the inode, nanoseconds
        quint64 inode = 0;
        bool operator==(const Stamp &) const = default;
    };
    static Stamp stampOf(const QString &path);
    struct Cached
    {
        Stamp stamp;
        JobSearch::MonthPtr month; // null when the file could not be read
    };

    QString m_folder;
    QHash<QString, Cached> m_files; // by file name
    quint64 m_generation = 0;
};
