#include "window/printdialog.h"

#include <QCheckBox>
#include <QPushButton>

#include "window/dialogkit.h"

namespace ninebox {

PrintDialog::PrintDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("PrintDialog"));
    setWindowTitle(QStringLiteral("Printer"));
    resize(twips(3075), twips(1530));

    // Created in tab order.
    check1_ = place(new QCheckBox(QStringLiteral("Print Puzzle"), this), "Check1", 120, 720, 1815, 375);
    check1_->setChecked(true);
    check2_ = place(new QCheckBox(QStringLiteral("Print Answers if available"), this), "Check2", 120, 1080,
                    2655, 255);
    auto* command1 = place(new QPushButton(QStringLiteral("Print"), this), "Command1", 120, 120, 1095, 495);
    auto* command2 = place(new QPushButton(QStringLiteral("Cancel"), this), "Command2", 1800, 120, 975, 495);
    fitWidth(check1_);
    fitWidth(check2_);

    connect(command1, &QPushButton::clicked, this, [this] {
        printChoice = 0;
        hide();
    });
    connect(command2, &QPushButton::clicked, this, [this] {
        printChoice = -1;
        hide();
    });
}

PrintChoice PrintDialog::choose() {
    printChoice = -1;
    exec();
    return {printChoice, check1_->isChecked(), check2_->isChecked()};
}

}  // namespace ninebox
