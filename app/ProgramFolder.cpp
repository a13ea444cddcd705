#include "ProgramFolder.h"

#include <QDir>
#include <QFileInfo>

namespace ProgramFolder {

QString resolve(const QString &executableFolder)
{
    const QString home = qEnvironmentVariable("WRENLY_HOME");
    if (!home.isEmpty()) {
        QDir().mkpath(home);
        return QFileInfo(home).absoluteFilePath();
    }
    return QFileInfo(executableFolder).absoluteFilePath();
}

} // namespace ProgramFolder
