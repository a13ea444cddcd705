#include "app/FolderBackupCommand.h"

#include "app/CommandLine.h"
#include "app/ProgramFolder.h"
#include "data/Config.h"
#include "data/FolderArchive.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace FolderBackupCommand {

int run(int &argc, char **argv, const CommandLine &commandLine)
{
    // Only for the executable's folder, where a portable copy keeps its data.
    const QCoreApplication app(argc, argv);
    const QString folder = ProgramFolder::choose(
        commandLine.home.isEmpty() ? qEnvironmentVariable("WRENLY_HOME") : commandLine.home,
        QCoreApplication::applicationDirPath(), ProgramFolder::userDataHome());
    QString problem;
    // A folder without its configuration is no data folder: an archive of it could not be restored.
    if (!QFileInfo(folder + u'/' + Config::fileName()).isFile()) {
        problem = u"データフォルダーが見つかりません: "_s + QDir::toNativeSeparators(folder);
    } else {
        const QString file = QFileInfo(commandLine.backupFile).absoluteFilePath();
        const SafeFile::Result r = FolderArchive::write(folder, file);
        if (!r)
            problem = u"バックアップを書き出せませんでした: "_s + QDir::toNativeSeparators(file) + u" ("_s +
                      r.error + u")"_s;
    }
    if (problem.isEmpty())
        return 0;
    std::fputs((u"wrenly: "_s + problem + u'\n').toLocal8Bit().constData(), stderr);
    return 1;
}

} // namespace FolderBackupCommand
