#pragma once

#include "app/CommandLine.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

// `wrenly --export csv|ics`: an export without a window, for scripts. Needs no display, so it runs
// before any QApplication exists (a QCoreApplication at most) and never meets a running Wrenly:
// it only reads the data.
namespace ExportCommand {

struct Outcome
{
    int status = 0;     // 0 done, 1 a file failed, 2 the options were wrong
    QByteArray output;  // the file, when it goes to standard output
    QString diagnostic; // for standard error, in Japanese: what went wrong, months without a file
};

// Exports from the program folder `folder`; `now` stamps the file, and its month is the default.
Outcome run(const CommandLine::ExportOptions &options, const QString &folder, const QDateTime &now);

// From main(): finds the program folder as a start would, prints, returns the exit status.
int main(const CommandLine &line, int argc, char *argv[]);

} // namespace ExportCommand
