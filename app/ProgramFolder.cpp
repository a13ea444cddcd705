#include "app/ProgramFolder.h"

#include "data/Config.h"
#include "data/DailyPlanPaths.h"
#include "data/SafeFile.h"
#include "data/StepFile.h"
#include "platform/Autostart.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

#ifndef WRENLY_SHARE_FROM_BIN
#define WRENLY_SHARE_FROM_BIN "../share/wrenly"
#endif

namespace ProgramFolder {

namespace {

const QString shutterName = u"Shutter.wav"_s;
const QString pictureName = u"Sample1.JPG"_s;

} // namespace

QString choose(const QString &home, const QString &executableFolder, const QString &dataHome)
{
    if (!home.isEmpty())
        return QDir::cleanPath(QFileInfo(home).absoluteFilePath());
    const QDir exe(executableFolder);
    if (QFileInfo::exists(exe.filePath(Config::fileName())) || QFileInfo::exists(exe.filePath(u"portable"_s)))
        return QDir::cleanPath(exe.absolutePath());
    return QDir::cleanPath(dataHome + u"/Wrenly"_s);
}

QString userDataHome()
{
    const QString xdg = qEnvironmentVariable("XDG_DATA_HOME");
    if (!xdg.isEmpty() && QDir::isAbsolutePath(xdg))
        return xdg;
    return QDir::homePath() + u"/.local/share"_s;
}

QString runtimeFolder(const QString &executableFolder)
{
    const QDir exe(executableFolder);
    if (QFileInfo::exists(exe.filePath(shutterName)))
        return QDir::cleanPath(exe.absolutePath());
    const QString installed = QDir::cleanPath(exe.absoluteFilePath(QStringLiteral(WRENLY_SHARE_FROM_BIN)));
    if (QFileInfo(installed).isDir())
        return installed;
    return QDir::cleanPath(exe.absolutePath());
}

QString prepare(const QString &folder, const QString &runtimeFolder)
{
    if (!QFileInfo(folder).isDir() && !QDir().mkpath(folder))
        return u"データフォルダー [%1] を作成できません。\r\n\r\n記録は保存できません。"_s.arg(
            QDir::toNativeSeparators(folder));
    if (QFileInfo(folder) == QFileInfo(runtimeFolder))
        return {};
    for (const QString &name : {shutterName, pictureName}) {
        const QString target = folder + u'/' + name;
        const QString source = runtimeFolder + u'/' + name;
        if (!QFileInfo::exists(target) && QFileInfo::exists(source) && QFile::copy(source, target))
            QFile::setPermissions(target,
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    }
    return {};
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

void removeLeftovers(const QString &programFolder)
{
    QStringList folders = dataFolders(programFolder);
    folders << Autostart::userFolder();
    for (const QString &folder : std::as_const(folders))
        SafeFile::removeLeftovers(folder);
}

} // namespace ProgramFolder
