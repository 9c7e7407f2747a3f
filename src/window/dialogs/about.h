// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The credits picture and a small "X"; it and the close button only hide the window.

#include <QDialog>
#include <QImage>

namespace ninebox {

class AboutDialog final : public QDialog {
    Q_OBJECT

public:
    AboutDialog(QImage picture, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QImage picture_;
};

}  // namespace ninebox
