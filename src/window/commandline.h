// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The program's command line: --help, --version and a game file to open at start, read with
// Qt's parser so the text and the errors are those of every Qt program, and before anything
// needs a display.

#include <QApplication>
#include <memory>
#include <optional>
#include <string>

namespace ninebox {

struct CommandLine {
    std::string file;             // the game file named, as an absolute path in the name's own bytes
    std::optional<int> exitCode;  // set when the program ends at once with this status
};

// --help and --version are answered; an unknown option or a second file prints one line to
// standard error and ends with status 2. Qt's own options (-platform, -style, ...) are left
// for the application object.
CommandLine readCommandLine(int argc, char** argv);

// The application object. Where no display can be opened, one line says so and the program
// ends with status 1, instead of Qt's abort.
std::unique_ptr<QApplication> openDisplay(int& argc, char** argv);

}  // namespace ninebox
