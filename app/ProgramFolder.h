#pragma once

#include <QString>

// The program folder holds Wrenly's data. It is the executable's folder, unless WRENLY_HOME
// names another one (an install in a read-only place, tests, a second set of data).
namespace ProgramFolder {

QString resolve(const QString &executableFolder);

} // namespace ProgramFolder
