// SPDX-License-Identifier: MIT
// The command line. --show, --month and --search answer on the terminal from the same core the windows use;
// --help and --version answer as Qt programs do. Qt's own window options are accepted and left to the
// windows.
#pragma once

#include <QString>
#include <QStringList>

namespace aoba::cli {

// As grep has them: 1 is "nothing found", 2 is a refusal or a wrong command line.
inline constexpr int kExitAnswered = 0;
inline constexpr int kExitNothingFound = 1;
inline constexpr int kExitRefused = 2;

struct Answer {
    QString out; // for standard output
    QString err; // for standard error
    int exitCode = kExitAnswered;
};

// Whether the arguments (the program's name first) are answered on the terminal instead of opening the
// windows: any option of ours, any argument that is not one of Qt's window options, any error.
bool WantsTerminal(const QStringList& arguments);

// The answer to arguments for which WantsTerminal holds. The usage line of --help names the program as
// QCoreApplication::arguments() does, and --version gives the application's name and version.
Answer Run(const QStringList& arguments);

// The arguments as typed (console::Arguments); on Windows a lone "/?" asks for the help, as it does of
// Windows' own commands.
QStringList Arguments(int argc, char** argv);

// Writes the answer through the console and returns its exit code, or kExitRefused when standard output
// could not take it: a full disk or a closed pipe is not an answer given.
int Print(const Answer& answer);

} // namespace aoba::cli
