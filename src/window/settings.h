// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The player's choices and the window's place, kept from one run of the program to the next
// in an INI file in the user's configuration folder ($XDG_CONFIG_HOME/ninebox/ninebox.ini).
// A value that is missing or cannot be read keeps its default, so a damaged file only costs
// the choices it held. The file is written only when this program changed something, and
// then only with what it changed, so two programs running at once keep each other's choices.

#include <QObject>
#include <QString>
#include <map>
#include <string>

namespace ninebox {

class MainWindow;

class Settings final : public QObject {
    Q_OBJECT

public:
    // Reads the file and applies it to the window before it is shown; from then on a changed
    // choice is written at once, and the window's place when this object ends. file: another
    // file than the player's own.
    explicit Settings(MainWindow& window, const QString& file = QString());
    ~Settings() override;

    // Keys as "section/key", values as the file writes them.
    using Values = std::map<std::string, std::string>;

private:
    Values current() const;
    void store(bool withPlace);

    MainWindow& window_;
    std::string file_;
    Values kept_;  // this program's values as the file last had them from it
};

// The INI text of the settings file: "[section]" lines, then "key=value" lines; a value with
// blanks at its ends or characters that would break a line is written in quotes.
Settings::Values readIni(const std::string& text);
std::string writeIni(const Settings::Values& values);

}  // namespace ninebox
