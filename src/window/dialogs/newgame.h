// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game dialog: a random game of the chosen level, or a typed game number. It is shown
// before every new game but the first and is hidden, not destroyed, between games.

#include <QDialog>

#include "game/messages.h"

class QLabel;
class QLineEdit;

namespace ninebox {

class WrapButton;

class NewGameDialog final : public QDialog {
    Q_OBJECT

public:
    explicit NewGameDialog(QWidget* parent);

    // Shows the dialog modally, its random button naming the level: what the player chose.
    GameChoice choose(Level level);

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void activate();
    void numberChosen();

    GameChoice choice_;
    Level level_ = Level::none;
    WrapButton* randomButton_;
    WrapButton* numberButton_;
    QLineEdit* numberEdit_;
    QLabel* prompt_;
};

}  // namespace ninebox
