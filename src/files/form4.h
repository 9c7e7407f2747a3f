#pragma once
// The About window: the credits picture and a small "X". Both "X" and the window's close
// button only hide it, so it is shown again as it was.

#include <QDialog>
#include <QImage>

namespace ninebox {

class Form4 final : public QDialog {
    Q_OBJECT

public:
    Form4(QImage picture, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QImage picture_;
};

}  // namespace ninebox
