// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/commandline.h"

#include <unistd.h>

#include <QCommandLineParser>
#include <QCoreApplication>
#include <cstdio>
#include <cstdlib>
#include <tuple>
#include <vector>

#include "disk/atomicfile.h"
#include "rules/rating.h"
#include "window/language.h"
#include "window/texts.h"

namespace ninebox {

namespace {

// Options Qt's application objects take: known, so that they are no error and their values no game file.
const char* const kQtValueOptions[] = {"platform",        "platformpluginpath",
                                       "platformtheme",   "plugin",
                                       "qwindowgeometry", "geometry",
                                       "qwindowicon",     "icon",
                                       "qwindowtitle",    "title",
                                       "session",         "display",
                                       "style",           "stylesheet"};
const char* const kQtFlags[] = {"reverse", "testability", "widgetcount", "nograb", "dograb", "sync"};

constexpr std::size_t kMaxRatedFile = 16 * 1024 * 1024;  // files of puzzles run to some thousand lines

// Qt's --help texts that some of its catalogues lack (fr, es, it, ja in Qt 6.4); theirs win.
[[maybe_unused]] const char* const kQtHelpTexts[] = {
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help on commandline options."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help including Qt specific options.")};

void describe(QCommandLineParser& parser) {
    QCoreApplication::setApplicationName(QStringLiteral("ninebox"));
    QCoreApplication::setApplicationVersion(QStringLiteral(NINEBOX_VERSION));
    parser.setApplicationDescription(
        text::translate("CommandLine", "Ninebox: Sudoku puzzles picked by game number."));
    parser.addHelpOption();
    parser.addVersionOption();
    //: --rate's description; "file" names its argument as in the usage line.
    parser.addOption(
        {QStringLiteral("rate"),
         text::translate("CommandLine",
                         "Prints how hard each puzzle of a game file, or of a file of 81-character "
                         "lines, is: the hardest technique it needs, then the steps of each."),
         text::translate("CommandLine", "file")});
    //: The name of --help's argument, then its description and its form in the usage line.
    parser.addPositionalArgument(
        text::translate("CommandLine", "file"),
        text::translate("CommandLine", "A game file (*.sud) to open instead of dealing a game."),
        text::translate("CommandLine", "[file]"));
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

int rate(const std::string& path) {
    const auto text = readFile(path, kMaxRatedFile);
    if (!text) {
        const QString line =
            text::translate("CommandLine", "cannot read %1").arg(QString::fromLocal8Bit(path.c_str()));
        std::fprintf(stderr, "ninebox: %s\n", line.toUtf8().constData());
        return 1;
    }
    for (const RatedPuzzle& puzzle : rateText(*text))
        std::printf("%s\n", text::rating(puzzle).toUtf8().constData());
    return 0;
}

}  // namespace

CommandLine readCommandLine(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLatin1(argv[i]);  // byte for byte
    QCommandLineParser parser;
    describe(parser);
    const bool parsed = parser.parse(arguments);
    const bool failed = !parsed || parser.positionalArguments().size() > 1;
    const bool help =
        !failed && (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("help-all")));
    if (failed || help) {
        // The player's language takes an application object, which names the program as called.
        const QCoreApplication named(argc, argv);
        loadLanguage();
        installLanguage();
        QCommandLineParser said;
        describe(said);
        said.parse(arguments);
        if (help) {
            std::fputs(qPrintable(said.helpText()), stdout);
            return {{}, 0};
        }
        const QString error =
            parsed ? text::translate("CommandLine", "Only one game file can be opened.") : said.errorText();
        std::fprintf(stderr, "ninebox: %s\n", qPrintable(error));
        return {{}, 2};
    }
    if (parser.isSet(QStringLiteral("version"))) {
        std::printf("ninebox %s\n", NINEBOX_VERSION);
        return {{}, 0};
    }
    if (parser.isSet(QStringLiteral("rate"))) {
        const QCoreApplication named(argc, argv);
        loadLanguage();
        installLanguage();
        return {{}, rate(parser.value(QStringLiteral("rate")).toLatin1().toStdString())};
    }
    const QStringList files = parser.positionalArguments();
    // Absolute, as the file dialog gives it: the caption shows the end of the path.
    return {files.isEmpty() ? std::string() : absolute(files.first().toLatin1().toStdString()), std::nullopt};
}

namespace {

// Held back: where no display opens, Qt's fatal message gives way to one line of ours.
std::vector<std::tuple<QtMsgType, std::string, QString>> held;

void holdWhileOpening(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (type == QtFatalMsg) {
        const QString line =
            translated("CommandLine", QT_TRANSLATE_NOOP("CommandLine", "cannot open the display"));
        std::fprintf(stderr, "ninebox: %s\n", line.toUtf8().constData());
        std::_Exit(1);
    }
    held.emplace_back(type, context.category ? context.category : "", text);
}

}  // namespace

std::unique_ptr<QApplication> openDisplay(int& argc, char** argv) {
    loadLanguage();  // before the display, so that the line saying it cannot be opened is the player's
    const QtMessageHandler before = qInstallMessageHandler(holdWhileOpening);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(before);
    installLanguage();
    for (const auto& [type, category, text] : held)
        before(type, QMessageLogContext(nullptr, 0, nullptr, category.c_str()), text);
    held.clear();
    return application;
}

}  // namespace ninebox
