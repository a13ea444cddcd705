#pragma once

#include <QString>

class QTextStream;
struct CommandLine;

// wrenly --find WORDS: the job search for scripts, without a display. Every month file of the
// program folder is searched as the search window does; each hit is one line of tab-separated
// fields (month, data number, title, customer, start, end, state), newest first.
namespace FindCommand {

// Returns 0 when a job matched, 1 when none did, 2 when the folder is missing. Files that cannot
// be read are named on `errors`.
int run(const QString &folder, const QString &words, QTextStream &out, QTextStream &errors);

// From main(), before any window exists: chooses the program folder as the program does (without
// creating it) and prints to standard output.
int runFromMain(const CommandLine &line, int &argc, char **argv);

} // namespace FindCommand
