#include "files/form3.h"

#include <QCheckBox>
#include <QPushButton>

#include "app/dialogkit.h"

namespace ninebox {

Form3::Form3(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Printer"));
    resize(twips(3075), twips(1530));

    // Created in tab order.
    check1_ = new QCheckBox(QStringLiteral("Print Puzzle"), this);
    check1_->setObjectName(QStringLiteral("Check1"));
    check1_->setGeometry(twipRect(120, 720, 1815, 375));
    check1_->setChecked(true);
    check2_ = new QCheckBox(QStringLiteral("Print Answers if available"), this);
    check2_->setObjectName(QStringLiteral("Check2"));
    check2_->setGeometry(twipRect(120, 1080, 2655, 255));
    auto* command1 = new QPushButton(QStringLiteral("Print"), this);
    command1->setObjectName(QStringLiteral("Command1"));
    command1->setGeometry(twipRect(120, 120, 1095, 495));
    auto* command2 = new QPushButton(QStringLiteral("Cancel"), this);
    command2->setObjectName(QStringLiteral("Command2"));
    command2->setGeometry(twipRect(1800, 120, 975, 495));
    fitWidth(check1_);
    fitWidth(check2_);

    connect(command1, &QPushButton::clicked, this, [this] {
        prtopt_ = 0;
        hide();
    });
    connect(command2, &QPushButton::clicked, this, [this] {
        prtopt_ = -1;
        hide();
    });
}

PrintChoice Form3::choose() {
    prtopt_ = -1;
    exec();
    return {prtopt_, check1_->isChecked(), check2_->isChecked()};
}

}  // namespace ninebox
