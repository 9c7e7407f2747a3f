// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's command line: --help, --version and a game file to open at start, read with
// Qt's parser so the text and the errors are those of every Qt program.

#include <QString>
#include <QStringList>
#include <optional>

namespace ninebox {

struct CommandLine {
    QString file;                 // the game file named, as an absolute path; empty for none
    std::optional<int> exitCode;  // set when the program ends at once with this status
};

// Before the application object: --help and --version, which need no display, are answered
// here. Anything else, Qt's own options among them, waits for readCommandLine.
std::optional<int> answerWithoutDisplay(int argc, char** argv);

// After the application object has taken its own options out of the arguments. An unknown
// option or a second file prints one line to standard error and ends with status 2.
CommandLine readCommandLine(const QStringList& arguments);

}  // namespace ninebox
