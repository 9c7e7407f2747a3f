// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/dialogs/newgame.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include "window/dialogs/kit.h"
#include "window/texts.h"

namespace ninebox {

NewGameDialog::NewGameDialog(QWidget* parent) : QDialog(parent, kDialogFrame) {
    setObjectName(QStringLiteral("NewGameDialog"));
    setWindowTitle(QStringLiteral(" "));  // an empty title would show the program's name
    setFixedSize(twips(4320), twips(1680));
    QPalette pale = palette();
    pale.setColor(QPalette::Window, QColor(255, 255, 192));
    setPalette(pale);
    setAutoFillBackground(true);

    // Created in tab order.
    randomButton_ =
        place(new WrapButton(text::randomButton(Level::none), this), "randomButton", 240, 240, 1695, 615);
    numberButton_ = place(new WrapButton(text::translate("GameDialog", "Select Using number below"), this),
                          "numberButton", 2160, 240, 1815, 615);
    for (WrapButton* button : {randomButton_, numberButton_}) {
        QPalette khaki = button->palette();
        khaki.setColor(QPalette::Button, QColor(219, 219, 145));
        button->setPalette(khaki);
    }
    numberEdit_ = place(new QLineEdit(QStringLiteral("10000"), this), "numberEdit", 2160, 960, 1815, 285);
    // The title shows no text; a screen reader names the dialog and its field all the same.
    setAccessibleName(text::translate("GameDialog", "New game"));
    numberEdit_->setAccessibleName(text::translate("GameDialog", "Game number"));
    numberEdit_->installEventFilter(this);
    prompt_ = place(
        new QLabel(text::translate("GameDialog", "To select a game enter a number from 1 to 1000000"), this),
        "prompt", 240, 1320, 4215, 255);
    fitWidth({prompt_});

    connect(randomButton_, &QPushButton::clicked, this, [this] {
        activate();
        choice_ = {GameChoice::Kind::random, {}};
        hide();
    });
    connect(numberButton_, &QPushButton::clicked, this, &NewGameDialog::numberChosen);
}

GameChoice NewGameDialog::choose(Level level) {
    level_ = level;
    choice_ = {};
    exec();
    return choice_;
}

void NewGameDialog::activate() {
    randomButton_->setText(text::randomButton(level_));
    numberEdit_->clear();
    numberEdit_->setFocus();
}

void NewGameDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    activate();
}

void NewGameDialog::numberChosen() {
    choice_ = {GameChoice::Kind::number, numberEdit_->text().toStdString()};
    hide();
}

// Escape would close the dialog and deal a random game, throwing the typed number away.
void NewGameDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) event->accept();
    else QDialog::keyPressEvent(event);
}

// Enter in the text box is "Select Using number below", never the dialog's default button.
bool NewGameDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == numberEdit_ && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            numberChosen();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

}  // namespace ninebox
