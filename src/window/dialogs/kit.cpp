// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/dialogs/kit.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace ninebox {

QRect WrapButton::captionArea() const {
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
}

QFont WrapButton::captionFont() const {
    const QRect area = captionArea();
    QFont font = this->font();
    for (; font.pointSizeF() > 6; font.setPointSizeF(font.pointSizeF() - 0.5)) {
        const QRect needed =
            QFontMetrics(font).boundingRect(area, Qt::AlignCenter | Qt::TextWordWrap, text());
        if (needed.width() <= area.width() && needed.height() <= area.height()) break;
    }
    return font;
}

void WrapButton::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    painter.setFont(captionFont());
    painter.drawItemText(captionArea(), Qt::AlignCenter | Qt::TextWordWrap, option.palette, isEnabled(),
                         caption, QPalette::ButtonText);
}

namespace {

void fitOne(QWidget* control) {
    QFont font = control->font();
    if (font.pointSizeF() <= 0) return;  // sized in pixels: leave it alone
    // A push button's size hint has a floor of its own (80 pixels in Fusion): what has to fit
    // is its caption with the style's margins, as a size hint without the floor would be.
    const auto* button = qobject_cast<QPushButton*>(control);
    const auto fits = [&] {
        if (!button) return control->sizeHint().width() <= control->width();
        const QStyle* style = button->style();
        const int frame = style->pixelMetric(QStyle::PM_ButtonMargin) +
                          2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth);
        return button->fontMetrics().size(Qt::TextShowMnemonic, button->text()).width() + frame <=
               button->width();
    };
    while (!fits() && font.pointSizeF() > 6) {
        font.setPointSizeF(font.pointSizeF() - 0.5);
        control->setFont(font);
    }
}

}  // namespace

void fitWidth(std::initializer_list<QWidget*> controls) {
    for (QWidget* control : controls) fitOne(control);
    for (QWidget* control : controls)
        for (const QWidget* other : controls) {
            const qreal points = other->font().pointSizeF();
            if (other->metaObject() != control->metaObject() || points <= 0 ||
                points >= control->font().pointSizeF())
                continue;
            QFont font = control->font();
            font.setPointSizeF(points);
            control->setFont(font);
        }
}

}  // namespace ninebox
