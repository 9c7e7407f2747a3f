// SPDX-License-Identifier: GPL-3.0-or-later
#include <csignal>

#include "window/commandline.h"
#include "window/keptgame.h"
#include "window/mainwindow.h"
#include "window/resources.h"
#include "window/settings.h"

int main(int argc, char** argv) {
    const ninebox::CommandLine line = ninebox::readCommandLine(argc, argv);
    if (line.exitCode) return *line.exitCode;
    // Past a file size limit a write fails and is reported as on a full disk, instead of the
    // signal ending the game.
    std::signal(SIGXFSZ, SIG_IGN);
    ninebox::preloadResources();  // on the second core while Qt starts up
    const auto app = ninebox::openDisplay(argc, argv);
    // Ties the window to its desktop entry and icon on desktops that ask for it.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.ninebox.Ninebox"));
    ninebox::loadResources();
    ninebox::MainWindow window;
    ninebox::Settings settings(window);  // the last run's choices; kept again as they change
    ninebox::KeptGame kept(window);      // the game in progress, taken back at start
    if (!line.file.empty()) window.openAtStart(line.file);
    window.show();
    return QApplication::exec();
}
