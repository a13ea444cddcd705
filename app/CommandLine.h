#pragma once

#include <QString>
#include <QStringList>

// Wrenly's command line: --help, --version, --home DIR, --minimized, --find WORDS, --export with
// its options, and Qt's own options (-platform, -style…), which pass through to QApplication. Read
// before any window exists, so that --help, --version, --find and --export work without a display
// and without asking a running Wrenly to come forward.
struct CommandLine
{
    enum class Action { Run, ShowHelp, ShowVersion, Find, Export, Backup, Fail };

    Action action = Action::Run;
    QString home;           // --home, empty when not given
    bool minimized = false; // --minimized: start in the tray
    QString message;        // the text to print for ShowHelp, ShowVersion and Fail

    QString findWords; // --find and the words after it, for Find
    // --export FORMAT, --from, --to, --days, -o as given (empty when not), checked by ExportCommand.
    struct ExportOptions
    {
        QString format, from, to, days, output;
    } exporting;
    // --backup FILE: where the archive of the data folder goes (Action::Backup), without a window.
    QString backupFile;

    static CommandLine parse(const QStringList &arguments);

    // The exit status for a command line that does not start the program.
    int exitStatus() const { return action == Action::Fail ? 2 : 0; }
};
