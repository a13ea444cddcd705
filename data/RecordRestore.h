#pragma once

#include "data/BackupRules.h"
#include "data/JobRecord.h"
#include "data/Session.h"

#include <QByteArray>
#include <QList>
#include <QString>

class BackupStore;

// Taking back records of an earlier version of a month file, one by one, into their own slots of
// the file as it is now.
namespace RecordRestore {

// How an earlier version of a month file differs from the file now, slot by slot.
struct Comparison
{
    int count = 0;      // records of the version, counted as the main window counts them
    QList<int> changed; // slots used in both, with other bytes
    QList<int> added;   // used now, empty in the version
    QList<int> removed; // used in the version, empty now
    bool same() const { return changed.isEmpty() && added.isEmpty() && removed.isEmpty(); }
    bool operator==(const Comparison &) const = default;
};
Comparison compare(const QByteArray &version, const QByteArray &current);

// The first slot whose record taking the slots `chosen` of `version` into `current` would hide, or -1: the
// main window reaches records only up to the first empty slot.
int hiddenBy(const MonthFile::Jobs &current, const MonthFile::Jobs &version, const QList<int> &chosen);

struct Outcome
{
    enum class Kind {
        Restored,
        NothingChosen,
        ReadFailed,   // the version or the month file could not be read
        FileMissing,  // the month file has gone: only the whole version can be taken back
        HidesRecord,  // `slot` would no longer be reachable
        BackupFailed, // the present content could not be kept: nothing written
        WriteFailed,
        ChangedOnDisk, // another program changed the file since the session read it
    };
    Kind kind = Kind::NothingChosen;
    MonthKind month = MonthKind::Past; // the session's array of the file
    int slot = -1;
    QString error;
};

// Copies the records at the slots `chosen` of `version` into the month file it was kept from, through the
// session, so that its arrays and what it knows of the file stay right. The file's present
// content is kept as a version first; when that fails, nothing is written.
Outcome restore(Session &session, BackupStore &store, const BackupRules::Version &version,
                const QList<int> &chosen);

} // namespace RecordRestore
