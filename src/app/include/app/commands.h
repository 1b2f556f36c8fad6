#pragma once
// The program's work from the command line: `zentrima13 <command> [options]`,
// the same executable, needing no display.  Messages are Italian, like the
// windows'; errors go to standard error with a non-zero exit, and then
// nothing is written.

#include <QStringList>

namespace zt {

// Exit codes of the commands.
enum ExitCode : int {
    ExitOk = 0,
    ExitFailure = 1, // the work could not be done (a file could not be written, …)
    ExitUsage = 2,   // an unknown command, option or value: the usage is printed
    ExitData = 3,    // dati.mdb is missing or unusable, or holds no such row
    ExitBusy = 4,    // another program holds dati.mdb: trying again later may succeed
    ExitInterrupted = 130, // stopped by Ctrl+C (or ended by the system) before anything was written
};

// A command: its name, one line for the program's help, and its work, which
// gets the arguments after the program's name (the command's name first, as
// QCommandLineParser expects them).
struct Command {
    const char* name;
    const char* summary;
    int (*run)(const QStringList& arguments);
};

// True when there are arguments: a command, the program's --help or
// --version, or something the program does not know (refused with the
// usage).  Only without any argument do the windows start.
bool isCommandLine(int argc, char** argv);

// Runs the command named by argv[1] (under a QCoreApplication) and returns
// the exit code; an unknown command or option gives the usage and ExitUsage.
int runCommandLine(int argc, char** argv);

} // namespace zt
