#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

// Which data files keep their earlier versions, under which names, and which versions go. The
// versions live in the folder "backup" of the data folder, one folder per month of the time they
// were kept, under the data file's own path and that time:
// backup/2024-05/Y2024MAY.vxf.20240515-101530, backup/2024-05/STEP/Y2024MAY3.vxs.20240515-101530.
namespace BackupRules {

enum class Kind { None, Month, Step, Day, Routine, List, Config };

QString folderName(); // "backup"

// The kind of the data file at `relativePath` (inside the data folder, "/" between folders). None
// for what keeps no versions: the scratch day, text output, Wrenly.ini, the backups themselves.
Kind kindOf(const QString &relativePath);

// The name of a version, relative to the backup folder. A second version of the same file in the
// same second gets a sequence number: "….20240515-101530-1".
QString versionName(const QString &relativePath, const QDateTime &time, int sequence = 0);

struct Version
{
    QString relativePath; // of the data file
    QDateTime time;
    int sequence = 0;
    QString name;    // relative to the backup folder
    qint64 size = 0; // filled in by whoever looks at the file
    bool operator==(const Version &) const = default;
};
// Reads back a name versionName made; nothing for any other name.
std::optional<Version> parse(const QString &name);

// How long versions are kept; Wrenly.ini, group [Backup], holds the user's own values.
struct Policy
{
    bool enabled = true;
    int keepAllDays = 7;                              // every version younger than this stays
    int keepDailyDays = 60;                           // then the last version of each day, up to this age
    int maxVersionsPerFile = 500;                     // beyond this, a file's oldest versions go
    qint64 maxTotalBytes = qint64(200) * 1024 * 1024; // the whole backup folder, oldest first
    bool hardLinks = true; // keep the replaced file itself where the file system allows
};

// Of one file's versions (any order), the indexes of those to remove at `now`.
QList<int> expired(const QList<Version> &versions, const QDateTime &now, const Policy &policy);

// Of all versions, with their sizes, the indexes of the oldest to remove so that the rest take no
// more than `maxTotalBytes`.
QList<int> overSize(const QList<Version> &versions, qint64 maxTotalBytes);

} // namespace BackupRules
