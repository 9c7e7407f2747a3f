// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Read with Qt's parser, as every Qt program's, before anything needs a display.

#include <QApplication>
#include <memory>
#include <optional>
#include <string>

namespace ninebox {

struct CommandLine {
    std::string file;             // absolute, in the name's own bytes
    std::optional<int> exitCode;  // the program ends at once with this status
};

// An unknown option or a second file: one line to standard error, status 2. Qt's own options
// (-platform, -style, ...) are left for the application object.
CommandLine readCommandLine(int argc, char** argv);

// Where no display opens, one line says so and the program ends with status 1, not Qt's abort.
std::unique_ptr<QApplication> openDisplay(int& argc, char** argv);

}  // namespace ninebox
