// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The About window: the credits picture and a small "X". Both "X" and the window's close
// button only hide it, so it is shown again as it was.

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
