// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/commandline.h"

#include <unistd.h>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>
#include <tuple>
#include <vector>

namespace ninebox {

namespace {

// The options QGuiApplication and QApplication take out of the arguments themselves: known
// here so that they are no error, and their values no game file.
const char* const kQtValueOptions[] = {"platform",        "platformpluginpath",
                                       "platformtheme",   "plugin",
                                       "qwindowgeometry", "geometry",
                                       "qwindowicon",     "icon",
                                       "qwindowtitle",    "title",
                                       "session",         "display",
                                       "style",           "stylesheet"};
const char* const kQtFlags[] = {"reverse", "testability", "widgetcount", "nograb", "dograb", "sync"};

void describe(QCommandLineParser& parser) {
    QCoreApplication::setApplicationName(QStringLiteral("ninebox"));
    QCoreApplication::setApplicationVersion(QStringLiteral(NINEBOX_VERSION));
    parser.setApplicationDescription(QStringLiteral("Ninebox: Sudoku puzzles picked by game number."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("A game file (*.sud) to open instead of dealing a game."),
                                 QStringLiteral("[file]"));
    // Qt's options start with one dash, as "-platform xcb".
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const char* name : kQtValueOptions) {
        QCommandLineOption option(QLatin1String(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char* name : kQtFlags) {
        QCommandLineOption option{QString(QLatin1String(name))};
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

// A name from an old disk need not be UTF-8: the file keeps the bytes it was named with.
std::string absolute(const std::string& name) {
    if (name.empty() || name.front() == '/') return name;
    std::vector<char> folder(4096);
    while (!::getcwd(folder.data(), folder.size())) {
        if (errno != ERANGE) return name;
        folder.resize(folder.size() * 2);
    }
    return std::string(folder.data()) + '/' + name;
}

}  // namespace

CommandLine readCommandLine(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLatin1(argv[i]);  // byte for byte
    QCommandLineParser parser;
    describe(parser);
    const bool parsed = parser.parse(arguments);
    QString error = parser.errorText();
    if (parsed && parser.positionalArguments().size() > 1)
        error = QStringLiteral("Only one game file can be opened.");
    if (!error.isEmpty()) {
        std::fprintf(stderr, "ninebox: %s\n", qPrintable(error));
        return {{}, 2};
    }
    if (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all"))) {
        const QCoreApplication named(argc, argv);  // the usage line names the program as called
        std::fputs(qPrintable(parser.helpText()), stdout);
        return {{}, 0};
    }
    if (parser.isSet(QStringLiteral("version"))) {
        std::printf("ninebox %s\n", NINEBOX_VERSION);
        return {{}, 0};
    }
    const QStringList files = parser.positionalArguments();
    // Absolute, as the file dialog gives it: the caption shows the end of the path.
    return {files.isEmpty() ? std::string() : absolute(files.first().toLatin1().toStdString()), std::nullopt};
}

namespace {

// What Qt says while the application object is made is held back: where no display can be
// opened it ends with a fatal message, and then one line of ours is all the player needs.
std::vector<std::tuple<QtMsgType, std::string, QString>> held;

void holdWhileOpening(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        std::fputs("ninebox: cannot open the display\n", stderr);
        std::_Exit(1);
    }
    held.emplace_back(type, context.category ? context.category : "", text);
}

}  // namespace

std::unique_ptr<QApplication> openDisplay(int& argc, char** argv) {
    const QtMessageHandler before = qInstallMessageHandler(holdWhileOpening);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(before);
    for (const auto& [type, category, text] : held)
        before(type, QMessageLogContext(nullptr, 0, nullptr, category.c_str()), text);
    held.clear();
    return application;
}

}  // namespace ninebox
