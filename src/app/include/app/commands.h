#pragma once
// The program's work from the command line: `zentrima13 <command> [options]`,
// the same executable, needing no display.  Messages are Italian, like the
// windows'; errors go to standard error with a non-zero exit, and then
// nothing is written.

#include "app/language.h"

#include <QRect>
#include <QStringList>

#include <optional>

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

// What the arguments (after the program's name) ask for.  The windows start
// without arguments or with only the options of a start: --folder DIR (work
// in DIR), --player-folder (work in ~/Zentrima13), --read-screen X,Y,W,H
// (the board reads that rectangle of the screen at once) and --lang it|en.  Anything
// else is a command line: a command, the program's --help or --version, or
// something the program refuses with the usage (a fault in the options of a
// start included).  --lang is taken out of a command line too, before any
// "--", and sets the language of its messages.
struct StartRequest {
    bool windows = false;
    QString folder;                   // the working folder of the windows; empty: the current one
    std::optional<QRect> readScreen;  // --read-screen X,Y,W,H: the board reads that rectangle
    std::optional<Language> language; // --lang
    const char* fault = nullptr;      // a wrong option, refused with the usage: its text
    QString faultValue;               // (context "Commands") and the value it names
    QStringList arguments;            // the arguments without --lang
};
StartRequest readStartRequest(QStringList arguments);

// The player's own folder, where the program started from the menu works:
// ~/Zentrima13.  Empty when HOME names no folder (empty, missing, or not a
// full path); --player-folder is refused then.
QString playerFolder();

// Runs the command named by argv[1] (under a QCoreApplication) and returns
// the exit code; an unknown command or option gives the usage and ExitUsage.
int runCommandLine(int argc, char** argv);

} // namespace zt
