#pragma once

#include <QString>
#include <QStringList>

// The program folder holds Wrenly's data: the month files, the configuration, STEP and AUBREL.
// It is chosen in this order:
//   1. the folder given by --home or WRENLY_HOME (tests, a second set of data);
//   2. the executable's folder when it holds "Config.vxc" or a file "portable" (a portable copy,
//      and the data of runs from before the data moved out of the build tree);
//   3. "Wrenly" under the user's data folder ($XDG_DATA_HOME, else ~/.local/share).
// The runtime files (the shutter sound, the sample picture, the help) ship beside the executable
// in a build tree and in the share folder of an installation.
namespace ProgramFolder {

QString choose(const QString &home, const QString &executableFolder, const QString &dataHome);

// $XDG_DATA_HOME when it is an absolute path (the XDG base-directory rule),
// otherwise ~/.local/share.
QString userDataHome();

QString runtimeFolder(const QString &executableFolder);

// Creates the program folder if needed and copies the sound and the sample picture into it when
// they are missing there, since the program looks for them beside its data. Returns the reason,
// in Japanese, when the folder cannot be made; copies that fail only cost the sound or picture,
// which the windows report when they need them.
QString prepare(const QString &folder, const QString &runtimeFolder);

// The folders Wrenly saves into: the program folder, STEP, AUBREL and AUBREL's month folders.
QStringList dataFolders(const QString &programFolder);

// Removes what saves cut short by a crash left wherever Wrenly saves: the data folders and the
// autostart folder. A save under way, in this or another Wrenly, keeps its temporary file.
void removeLeftovers(const QString &programFolder);

} // namespace ProgramFolder
