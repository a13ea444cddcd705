#pragma once

#include "data/KeptFile.h"
#include "data/ListEntriesFile.h"

#include <QString>

// The lists the drop-downs of the daily planner offer, kept for the whole run with their file.
class ListBook final
{
public:
    const ListEntries &entries() const { return m_entries; }

    // Reads the list file, or writes the default entries when there is none.
    SafeFile::Result loadOrCreate(const QString &path);
    // Writes `entries` over the bytes read, as RoutineBook::save writes the routines; only what is
    // on disk becomes the book's entries.
    SafeFile::Result save(const QString &path, const ListEntries &entries);
    // Reads the list file again after another program changed it: the entries follow the file.
    SafeFile::Result reread(const QString &path);

private:
    ListEntries m_entries;
    KeptFile m_file{ListEntries::Size};
};
