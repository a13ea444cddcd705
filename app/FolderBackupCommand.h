#pragma once

struct CommandLine;

// `wrenly --backup FILE`: writes the archive of the data folder and ends, without a display or a
// window, for cron jobs. Prints nothing on success; a Japanese reason on standard error and exit
// status 1 when the archive could not be written.
namespace FolderBackupCommand {

int run(int &argc, char **argv, const CommandLine &commandLine);

} // namespace FolderBackupCommand
