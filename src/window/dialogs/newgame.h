// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A random game of the chosen level, or a typed game number; hidden between games.

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

    GameChoice choose(Level level);  // modal, its random button naming level

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
