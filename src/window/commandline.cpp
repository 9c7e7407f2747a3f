// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/commandline.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>

namespace ninebox {

namespace {

void describe(QCommandLineParser& parser) {
    QCoreApplication::setApplicationName(QStringLiteral("ninebox"));
    QCoreApplication::setApplicationVersion(QStringLiteral(NINEBOX_VERSION));
    parser.setApplicationDescription(QStringLiteral("Ninebox: Sudoku puzzles picked by game number."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("A game file (*.sud) to open instead of dealing a game."),
                                 QStringLiteral("[file]"));
}

// The help and the version as Qt's parser prints them, without ending the process here.
std::optional<int> answered(const QCommandLineParser& parser) {
    if (parser.isSet(QStringLiteral("help"))) {
        std::fputs(qPrintable(parser.helpText()), stdout);
        return 0;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        std::printf("%s %s\n", qPrintable(QCoreApplication::applicationName()),
                    qPrintable(QCoreApplication::applicationVersion()));
        return 0;
    }
    return std::nullopt;
}

}  // namespace

std::optional<int> answerWithoutDisplay(int argc, char** argv) {
    if (argc < 2) return std::nullopt;
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    QCommandLineParser parser;
    describe(parser);
    // Qt's own options are not known to this parser: a failure is judged once they are gone.
    if (!parser.parse(arguments) || parser.isSet(QStringLiteral("help-all"))) return std::nullopt;
    if (!parser.isSet(QStringLiteral("help")) && !parser.isSet(QStringLiteral("version")))
        return std::nullopt;
    QCoreApplication named(argc, argv);  // the help's usage line names the program as called
    return answered(parser);
}

CommandLine readCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    describe(parser);
    const bool parsed = parser.parse(arguments);
    QString error = parser.errorText();
    if (parsed && parser.positionalArguments().size() > 1)
        error = QStringLiteral("Only one game file can be opened.");
    if (!error.isEmpty()) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()), qPrintable(error));
        return {{}, 2};
    }
    if (parser.isSet(QStringLiteral("help-all"))) parser.process(arguments);  // prints Qt's options too, ends
    if (const auto status = answered(parser)) return {{}, status};
    const QStringList files = parser.positionalArguments();
    // Absolute, as the file dialog gives it: the caption shows the end of the path.
    return {files.isEmpty() ? QString() : QFileInfo(files.first()).absoluteFilePath(), std::nullopt};
}

}  // namespace ninebox
