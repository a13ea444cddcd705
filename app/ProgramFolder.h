#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>

// The program folder holds Wrenly's data. It is the executable's folder, unless WRENLY_HOME
// names another one (an install in a read-only place, tests, a second set of data).
namespace ProgramFolder {

QString resolve(const QString &executableFolder);

// The folders Wrenly saves into: the program folder, STEP, AUBREL and AUBREL's month folders.
QStringList dataFolders(const QString &programFolder);

// Removes what saves cut short by a crash left in the data folders, if older than `olderThan`.
void removeLeftovers(const QString &programFolder, const QDateTime &olderThan);

} // namespace ProgramFolder
