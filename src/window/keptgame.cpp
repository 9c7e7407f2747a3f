// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/keptgame.h"

#include <fcntl.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSocketNotifier>
#include <cerrno>
#include <csignal>

#include "disk/atomicfile.h"
#include "window/mainwindow.h"

namespace ninebox {

namespace {

constexpr int kEndingSignals[] = {SIGTERM, SIGHUP, SIGINT};

// The self-pipe: a signal handler may do next to nothing but write a byte the event loop sees.
int signalPipe[2] = {-1, -1};

extern "C" void onEndingSignal(int) {
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(signalPipe[1], &byte, 1);
    errno = saved;
}

}  // namespace

QString KeptGame::playerFile() {
    // An XDG base directory must be absolute; a relative one counts as unset.
    QString folder = qEnvironmentVariable("XDG_STATE_HOME");
    if (!QDir::isAbsolutePath(folder)) folder = QDir::homePath() + QStringLiteral("/.local/state");
    return folder + QStringLiteral("/ninebox/game");
}

KeptGame::KeptGame(MainWindow& window, const QString& file) : window_(window) {
    const QString path = file.isEmpty() ? playerFile() : file;
    makePrivateFolder(QFile::encodeName(QFileInfo(path).absolutePath()).toStdString());
    window_.keepGameIn(QFile::encodeName(path).toStdString());
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] { window_.endGame(); });
    if (signalPipe[0] >= 0 || ::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
    struct sigaction action {};
    action.sa_handler = onEndingSignal;
    action.sa_flags = SA_RESTART;
    sigemptyset(&action.sa_mask);
    for (const int each : kEndingSignals) ::sigaction(each, &action, nullptr);
    signals_ = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
    // Kept first: ending the loop ends a dialog's too, whose command would go on as if closed.
    // Not quit(), which asks every window to close: the board refuses while the instructions show.
    connect(signals_, &QSocketNotifier::activated, this, [this] {
        char bytes[16];
        while (::read(signalPipe[0], bytes, sizeof bytes) > 0) {
        }
        window_.endGame();
        QCoreApplication::exit(0);
    });
}

KeptGame::~KeptGame() {
    if (!signals_) return;
    for (const int each : kEndingSignals) std::signal(each, SIG_DFL);
    delete signals_;
    for (int& fd : signalPipe) {
        ::close(fd);
        fd = -1;
    }
}

}  // namespace ninebox
