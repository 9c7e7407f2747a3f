// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The player's choices and the window's place, kept from one run of the program to the next
// in an INI file in the user's configuration folder ($XDG_CONFIG_HOME/ninebox/ninebox.ini).
// A value that is missing or cannot be read keeps its default, so a damaged file only costs
// the choices it held.

#include <QObject>
#include <QSettings>
#include <memory>

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

private:
    void restore();
    void storeChoices();
    void storeGeometry();

    MainWindow& window_;
    std::unique_ptr<QSettings> file_;
};

}  // namespace ninebox
