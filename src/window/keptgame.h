// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game in progress kept from one run to the next, in the user's state folder
// ($XDG_STATE_HOME/ninebox/game, by default ~/.local/state/ninebox/game), and the ends of the
// program that keep it a last time: the last window closed, and SIGTERM, SIGHUP and SIGINT (a
// logout, a terminal closed or interrupted), which end the program as cleanly as a close.

#include <QObject>
#include <QString>

class QSocketNotifier;

namespace ninebox {

class MainWindow;

class KeptGame final : public QObject {
    Q_OBJECT

public:
    // Before the window is shown, so that the game's start takes the kept game back. file:
    // another file than the player's own.
    explicit KeptGame(MainWindow& window, const QString& file = QString());
    ~KeptGame() override;

    static QString playerFile();

private:
    MainWindow& window_;
    QSocketNotifier* signals_ = nullptr;
};

}  // namespace ninebox
