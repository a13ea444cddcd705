#include "app/ProgramFolder.h"

#include "data/DailyPlanPaths.h"
#include "data/SafeFile.h"
#include "data/StepFile.h"

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

QStringList dataFolders(const QString &programFolder)
{
    QStringList folders{programFolder, programFolder + QLatin1Char('/') + StepFile::folderName()};
    const QString root = DailyPlanPaths::dailyPlanRoot(programFolder);
    folders << root;
    // Month folders are "Y" and six digits (Y200512); anything else there is not ours.
    const QStringList months = QDir(root).entryList({QStringLiteral("Y[0-9][0-9][0-9][0-9][0-9][0-9]")},
                                                    QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString &month : months)
        folders << root + QLatin1Char('/') + month;
    return folders;
}

void removeLeftovers(const QString &programFolder, const QDateTime &olderThan)
{
    for (const QString &folder : dataFolders(programFolder))
        SafeFile::removeLeftovers(folder, olderThan);
}

} // namespace ProgramFolder
