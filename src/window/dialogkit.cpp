// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/dialogkit.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace ninebox {

void WrapButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    painter.drawItemText(area, Qt::AlignCenter | Qt::TextWordWrap, option.palette, isEnabled(), caption,
                         QPalette::ButtonText);
}

void fitWidth(QWidget* control) {
    QFont font = control->font();
    if (font.pointSizeF() <= 0) return;  // sized in pixels: leave it alone
    while (control->sizeHint().width() > control->width() && font.pointSizeF() > 6) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
        control->setFont(font);
    }
}

}  // namespace ninebox
