// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game in progress kept in $XDG_STATE_HOME/ninebox/game, a last time when the last window
// closes or at SIGTERM, SIGHUP and SIGINT, which end the program as cleanly as a close.

#include <QObject>
#include <QString>

class QSocketNotifier;

namespace ninebox {

class MainWindow;

class KeptGame final : public QObject {
    Q_OBJECT

public:
    // Before the window is shown, so that the game starts from it. file: another than the player's own.
    explicit KeptGame(MainWindow& window, const QString& file = QString());
    ~KeptGame() override;

    static QString playerFile();

private:
    MainWindow& window_;
    QSocketNotifier* signals_ = nullptr;
};

}  // namespace ninebox
