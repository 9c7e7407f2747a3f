// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include "window/mainwindow.h"
#include "window/resources.h"

int main(int argc, char** argv) {
    ninebox::preloadResources();  // on the second core while Qt starts up
    QApplication app(argc, argv);
    // Ties the window to its desktop entry and icon on desktops that ask for it.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.ninebox.Ninebox"));
    ninebox::MainWindow window;
    window.show();
    return QApplication::exec();
}
