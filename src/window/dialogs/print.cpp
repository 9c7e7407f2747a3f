// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/dialogs/print.h"

#include <QCheckBox>
#include <QPushButton>

#include "window/dialogs/kit.h"
#include "window/texts.h"

namespace ninebox {

PrintDialog::PrintDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("PrintDialog"));
    //: The print dialog's title.
    setWindowTitle(text::translate("PrintDialog", "Printer"));
    resize(twips(3075), twips(1530));

    // Created in tab order.
    puzzleBox_ = place(new QCheckBox(text::translate("PrintDialog", "Print Puzzle"), this), "puzzleBox", 120,
                       720, 1815, 375);
    puzzleBox_->setChecked(true);
    answersBox_ = place(new QCheckBox(text::translate("PrintDialog", "Print Answers if available"), this),
                        "answersBox", 120, 1080, 2655, 255);
    auto* printButton = place(new QPushButton(text::translate("PrintDialog", "Print"), this), "printButton",
                              120, 120, 1095, 495);
    auto* cancelButton = place(new QPushButton(text::translate("PrintDialog", "Cancel"), this),
                               "cancelButton", 1800, 120, 975, 495);
    fitWidth({puzzleBox_, answersBox_, printButton, cancelButton});

    connect(printButton, &QPushButton::clicked, this, [this] {
        print_ = true;
        hide();
    });
    connect(cancelButton, &QPushButton::clicked, this, &QWidget::hide);
}

PrintChoice PrintDialog::choose() {
    print_ = false;
    exec();
    return {print_, puzzleBox_->isChecked(), answersBox_->isChecked()};
}

}  // namespace ninebox
