#include "files/form4.h"

#include <QCloseEvent>
#include <QPainter>

#include "app/dialogkit.h"

namespace ninebox {

Form4::Form4(QImage picture, QWidget* parent) : QDialog(parent, kDialogFrame), picture_(std::move(picture)) {
    setObjectName(QStringLiteral("Form4"));
    setWindowTitle(QStringLiteral("About this Program...."));
    setFixedSize(twips(11400), twips(5460));

    auto* command1 = place(new QPushButton(QStringLiteral("X"), this), "Command1", 10680, 120, 495, 375);
    command1->setToolTip(QStringLiteral("close window"));
    connect(command1, &QPushButton::clicked, this, &QWidget::hide);
}

// At its natural size from the top-left corner; the window cuts off the rest.
void Form4::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    painter.drawImage(0, 0, picture_);
}

void Form4::closeEvent(QCloseEvent* event) {
    event->ignore();
    hide();
}

}  // namespace ninebox
