// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The small dialogs' layout in twips (15 to the pixel), and buttons whose captions wrap.

#include <QPushButton>
#include <QRect>
#include <initializer_list>

namespace ninebox {

constexpr int twips(int t) { return t / 15; }

inline QRect twipRect(int left, int top, int width, int height) {
    return {twips(left), twips(top), twips(width), twips(height)};
}

// In twips, less what lies beyond the dialog (sized first), so a text fitted to it shows whole.
template <typename Control>
Control* place(Control* control, const char* name, int left, int top, int width, int height) {
    control->setObjectName(QLatin1String(name));
    control->setGeometry(twipRect(left, top, width, height) & control->parentWidget()->rect());
    return control;
}

// A title bar and a close button; no minimise, maximise or help button.
constexpr Qt::WindowFlags kDialogFrame =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;

class WrapButton final : public QPushButton {
    Q_OBJECT

public:
    WrapButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {}

    // The button's font, or a smaller one (6 points at least) where the wrapped caption would not fit.
    QRect captionArea() const;
    QFont captionFont() const;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// Shrinks each one-line control's font until its text fits (never below 6 points), then gives
// controls of one kind the smallest: a wide system font or a long translation keeps the layout.
void fitWidth(std::initializer_list<QWidget*> controls);

}  // namespace ninebox
