#pragma once

#include <QString>
#include <QStringList>

// Wrenly's command line: --help, --version, --home DIR, and Qt's own options (-platform, -style…),
// which pass through to QApplication. Read before any window exists, so that --help and --version
// work without a display and without asking a running Wrenly to come forward.
struct CommandLine
{
    enum class Action { Run, ShowHelp, ShowVersion, Backup, Fail };

    Action action = Action::Run;
    QString home;    // --home, empty when not given
    QString message; // the text to print for ShowHelp, ShowVersion and Fail
    // --backup FILE: where the archive of the data folder goes (Action::Backup), without a window.
    QString backupFile;

    static CommandLine parse(const QStringList &arguments);

    // The exit status for a command line that does not start the program.
    int exitStatus() const { return action == Action::Fail ? 2 : 0; }
};
