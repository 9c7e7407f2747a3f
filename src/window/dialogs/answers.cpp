// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/dialogs/answers.h"

#include <QLabel>

#include "window/dialogs/kit.h"
#include "window/texts.h"

namespace ninebox {

AnswersDialog::AnswersDialog(QWidget* parent) : QDialog(parent, kDialogFrame) {
    setObjectName(QStringLiteral("AnswersDialog"));
    setWindowTitle(QStringLiteral(" "));  // an empty title would show the program's name
    setFixedSize(twips(4680), twips(3030));
    QPalette black = palette();
    black.setColor(QPalette::Window, Qt::black);
    setPalette(black);
    setAutoFillBackground(true);

    auto* prompt = place(new QLabel(text::translate("AnswersDialog", "Please Choose"), this), "prompt", 1200,
                         120, 2895, 495);
    setAccessibleName(prompt->text());  // the title shows no text
    QPalette yellow = prompt->palette();
    yellow.setColor(QPalette::WindowText, QColor(255, 255, 0));
    prompt->setPalette(yellow);
    prompt->setFont(QFont(QStringLiteral("MS Sans Serif"), 18));
    fitWidth({prompt});

    struct Choice {
        const char* name;
        QString caption;
        QRect area;
        AnswersChoice choice;
    };
    const Choice choices[] = {
        //: Save game asks where the answers file's answers come from: none (an empty answers file),
        //: the board as the player solved it, or the answers the program holds.
        {"noAnswersButton", text::translate("AnswersDialog", "No answers available"),
         twipRect(960, 720, 3135, 495), AnswersChoice::none},
        {"workedPuzzleButton", text::translate("AnswersDialog", "Create answers from Worked puzzle"),
         twipRect(960, 1440, 3135, 555), AnswersChoice::workedPuzzle},
        {"answersButton", text::translate("AnswersDialog", "Create Answers from Existing Answers"),
         twipRect(960, 2280, 3135, 495), AnswersChoice::answers},
    };
    for (const Choice& each : choices) {
        auto* button = new WrapButton(each.caption, this);
        button->setObjectName(QLatin1String(each.name));
        button->setGeometry(each.area);
        connect(button, &QPushButton::clicked, this, [this, choice = each.choice] {
            choice_ = choice;
            hide();
        });
    }
}

std::optional<AnswersChoice> AnswersDialog::choose() {
    choice_.reset();
    exec();
    return choice_;
}

}  // namespace ninebox
