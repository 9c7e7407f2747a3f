// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// In $XDG_CONFIG_HOME/ninebox/ninebox.ini; a value missing or unreadable keeps its default. Only
// what this program changed is written, so two running at once keep each other's choices.

#include <QObject>
#include <QString>
#include <map>
#include <string>

namespace ninebox {

class MainWindow;

class Settings final : public QObject {
    Q_OBJECT

public:
    // Before the window shows; a choice is written at once, the place at the end. file: else the player's.
    explicit Settings(MainWindow& window, const QString& file = QString());
    ~Settings() override;

    using Values = std::map<std::string, std::string>;  // "section/key" to the value as written

private:
    Values current() const;
    void store(bool withPlace);

    MainWindow& window_;
    std::string file_;
    Values kept_;  // as this program last wrote them
};

// "[section]" lines, then "key=value"; quoted, a value with blanks at its ends or line breaks.
Settings::Values readIni(const std::string& text);
std::string writeIni(const Settings::Values& values);

}  // namespace ninebox
