// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick for start-up: an empty Qt main window, nothing else.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Bare Qt window"));
    window.resize(774, 494);
    window.show();
    return QApplication::exec();
}
