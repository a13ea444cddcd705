#include "app/ProgramFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace ProgramFolder {

QString resolve(const QString &executableFolder)
{
    const QString home = qEnvironmentVariable("WRENLY_HOME");
    if (home.isEmpty())
        return QFileInfo(executableFolder).absoluteFilePath();
    QDir().mkpath(home);
    const QString folder = QFileInfo(home).absoluteFilePath();
    // The sound and the sample picture are looked for in the program folder: bring them along.
    for (const char *name : {"Shutter.wav", "Sample1.JPG"}) {
        const QString target = folder + QLatin1Char('/') + QLatin1String(name);
        const QString source = executableFolder + QLatin1Char('/') + QLatin1String(name);
        if (!QFileInfo::exists(target) && QFileInfo::exists(source))
            QFile::copy(source, target);
    }
    return folder;
}

} // namespace ProgramFolder
