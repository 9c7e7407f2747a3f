// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/dialogs/booklet.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include "window/dialogs/kit.h"
#include "window/texts.h"

namespace ninebox {

namespace {

constexpr int kPerPage[] = {1, 2, 4, 6};

}  // namespace

BookletDialog::BookletDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("BookletDialog"));
    //: The title of the dialog that prints several random games at once.
    setWindowTitle(text::translate("Booklet", "Print several games"));
    resize(twips(4200), twips(2700));

    // Created in tab order, each field after its label.
    //: How many games to print; the field beside it takes 1 to 60.
    auto* countLabel = place(new QLabel(text::translate("Booklet", "Games (1 to 60):"), this), "countLabel",
                             120, 180, 2040, 285);
    count_ = place(new QSpinBox(this), "countBox", 2280, 120, 1800, 375);
    count_->setRange(1, kMostBooklet);
    count_->setValue(BookletChoice{}.games);
    auto* levelLabel =
        place(new QLabel(text::translate("Booklet", "Level:"), this), "levelLabel", 120, 630, 2040, 285);
    level_ = place(new QComboBox(this), "levelBox", 2280, 570, 1800, 375);
    for (const Level level : {Level::none, Level::easy, Level::medium, Level::hard})
        level_->addItem(text::bookletLevel(level), static_cast<int>(level));
    //: How many games are printed on one sheet of paper: 1, 2, 4 or 6.
    auto* perPageLabel = place(new QLabel(text::translate("Booklet", "Games on a page:"), this),
                               "perPageLabel", 120, 1080, 2040, 285);
    perPage_ = place(new QComboBox(this), "perPageBox", 2280, 1020, 1800, 375);
    for (const int n : kPerPage) perPage_->addItem(QString::number(n), n);
    perPage_->setCurrentIndex(perPage_->findData(BookletChoice{}.perPage));
    //: The games' answers, small, on pages after the games.
    answers_ = place(new QCheckBox(text::translate("Booklet", "Answers at the back"), this), "answersBox",
                     120, 1500, 3960, 300);
    answers_->setChecked(BookletChoice{}.answers);
    auto* printButton = place(new QPushButton(text::translate("PrintDialog", "Print"), this), "printButton",
                              120, 2040, 1095, 495);
    auto* cancelButton = place(new QPushButton(text::translate("PrintDialog", "Cancel"), this),
                               "cancelButton", 2985, 2040, 1095, 495);
    countLabel->setBuddy(count_);
    levelLabel->setBuddy(level_);
    perPageLabel->setBuddy(perPage_);
    fitWidth({countLabel, levelLabel, perPageLabel, level_, perPage_, answers_, printButton, cancelButton});

    connect(printButton, &QPushButton::clicked, this, [this] {
        print_ = true;
        hide();
    });
    connect(cancelButton, &QPushButton::clicked, this, &QWidget::hide);
}

BookletChoice BookletDialog::choose() {
    print_ = false;
    exec();
    return {print_, count_->value(), static_cast<Level>(level_->currentData().toInt()),
            perPage_->currentData().toInt(), answers_->isChecked()};
}

}  // namespace ninebox
