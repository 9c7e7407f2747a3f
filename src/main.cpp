// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>

#include "window/commandline.h"
#include "window/mainwindow.h"
#include "window/resources.h"
#include "window/settings.h"

int main(int argc, char** argv) {
    if (const auto status = ninebox::answerWithoutDisplay(argc, argv)) return *status;
    ninebox::preloadResources();  // on the second core while Qt starts up
    QApplication app(argc, argv);
    // Ties the window to its desktop entry and icon on desktops that ask for it.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.ninebox.Ninebox"));
    // The start-up thread's work, taken in as the window would take it, so that an end of the
    // program from here on never finds that thread still running.
    ninebox::loadResources();
    const ninebox::CommandLine line = ninebox::readCommandLine(QApplication::arguments());
    if (line.exitCode) return *line.exitCode;
    ninebox::MainWindow window;
    ninebox::Settings settings(window);  // the last run's choices; kept again as they change
    if (!line.file.isEmpty()) window.game().openAtStart(line.file.toStdString());
    window.show();
    return QApplication::exec();
}
