// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/dialogs/about.h"

#include <QCloseEvent>
#include <QPainter>

#include "window/dialogs/kit.h"
#include "window/texts.h"

namespace ninebox {

AboutDialog::AboutDialog(QImage picture, QWidget* parent)
    : QDialog(parent, kDialogFrame), picture_(std::move(picture)) {
    setObjectName(QStringLiteral("AboutDialog"));
    setWindowTitle(text::translate("AboutDialog", "About this Program...."));
    setFixedSize(twips(11400), twips(5460));

    auto* closeButton =
        place(new QPushButton(QStringLiteral("X"), this), "closeButton", 10680, 120, 495, 375);
    //: The tooltip of the About window's X button.
    closeButton->setToolTip(text::translate("AboutDialog", "close window"));
    connect(closeButton, &QPushButton::clicked, this, &QWidget::hide);
}

// At its natural size from the top-left corner; the window cuts off the rest.
void AboutDialog::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    painter.drawImage(0, 0, picture_);
}

void AboutDialog::closeEvent(QCloseEvent* event) {
    event->ignore();
    hide();
}

}  // namespace ninebox
