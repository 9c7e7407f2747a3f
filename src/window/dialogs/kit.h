// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the small dialogs share: a layout in twips (15 to the pixel) and push buttons narrow
// enough that their captions wrap onto a second line.

#include <QPushButton>
#include <QRect>
#include <initializer_list>

namespace ninebox {

constexpr int twips(int t) { return t / 15; }

inline QRect twipRect(int left, int top, int width, int height) {
    return {twips(left), twips(top), twips(width), twips(height)};
}

// A control under its object name at its place in twips, less whatever of it lies beyond its
// dialog's edges (the dialog is sized first): a text fitted to the control is seen whole.
template <typename Control>
Control* place(Control* control, const char* name, int left, int top, int width, int height) {
    control->setObjectName(QLatin1String(name));
    control->setGeometry(twipRect(left, top, width, height) & control->parentWidget()->rect());
    return control;
}

// Window frame of our fixed dialogs: a title bar (with or without text) and a close button,
// no minimise or maximise box, no help button.
constexpr Qt::WindowFlags kDialogFrame =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

class WrapButton final : public QPushButton {
    Q_OBJECT

public:
    WrapButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {}

    // Where the caption goes, and the font it is drawn in: the button's own, or a smaller one
    // where the caption, wrapped at its blanks, would not fit there (never below 6 points).
    QRect captionArea() const;
    QFont captionFont() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// Shrinks each one-line control's font until its text fits the control's width (never below
// 6 points), then gives the controls of one kind the smallest of their sizes: the controls keep
// their places where the system font is wider than the one they were laid out for, or a
// translation longer than the English, and neighbours of one kind read alike.
void fitWidth(std::initializer_list<QWidget*> controls);

}  // namespace ninebox
