// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/settings.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>
#include <array>
#include <optional>

#include "disk/atomicfile.h"
#include "game/preferences.h"
#include "window/mainwindow.h"

namespace ninebox {

// Not QSettings: Qt 6.4's writes through a link (replacing its target), and reads any size.

namespace {

constexpr std::size_t kMaxSettings = 64 * 1024;  // ours is a few hundred bytes; a bigger one is left alone

const std::string kShowScore = "options/showScore", kShowTime = "options/showTime",
                  kShowLevel = "options/showLevel", kKanji = "options/kanji",
                  kShowConflicts = "options/showConflicts", kHighlight = "options/highlight",
                  kLevel = "options/level", kLastFolder = "files/lastFolder";
const std::array<std::string, 4> kPlace = {"window/x", "window/y", "window/width", "window/height"};

const std::array<std::pair<Level, const char*>, 4> kLevelWords = {
    {{Level::none, "random"}, {Level::easy, "easy"}, {Level::medium, "medium"}, {Level::hard, "hard"}}};

std::string trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    return std::string(text.substr(first, text.find_last_not_of(" \t\r") - first + 1));
}

// Quoted values take \\, \", \n, \r and \t, as the quoted ones of other INI writers do.
std::string unquoted(const std::string& value) {
    if (value.size() < 2 || value.front() != '"' || value.back() != '"') return value;
    std::string text;
    for (std::size_t i = 1; i + 1 < value.size(); ++i) {
        char c = value[i];
        if (c == '\\' && i + 2 < value.size()) {
            c = value[++i];
            c = c == 'n' ? '\n' : c == 'r' ? '\r' : c == 't' ? '\t' : c;
        }
        text += c;
    }
    return text;
}

std::string quotedIfNeeded(const std::string& value) {
    const bool plain = trimmed(value) == value && value.find_first_of("\"\\;\n\r\t") == std::string::npos &&
                       (value.empty() || value.front() != '"');
    if (plain) return value;
    std::string text = "\"";
    for (const char c : value) {
        if (c == '"' || c == '\\') text += '\\';
        text += c == '\n'   ? std::string("\\n")
                : c == '\r' ? std::string("\\r")
                : c == '\t' ? "\\t"
                            : std::string(1, c);
    }
    return text + '"';
}

std::optional<bool> flag(const Settings::Values& values, const std::string& key) {
    const auto found = values.find(key);
    if (found == values.end() || (found->second != "true" && found->second != "false")) return std::nullopt;
    return found->second == "true";
}

std::optional<int> number(const Settings::Values& values, const std::string& key) {
    const auto found = values.find(key);
    bool ok = false;
    const int value = found == values.end() ? 0 : QString::fromStdString(found->second).toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

// A place remembered from a screen that is gone would put the window out of reach.
bool onSomeScreen(const QRect& rect) {
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect seen = screen->availableGeometry().intersected(rect);
        if (seen.width() >= 100 && seen.height() >= 50) return true;
    }
    return false;
}

std::string playerFile() {
    return QString(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                   QStringLiteral("/ninebox/ninebox.ini"))
        .toStdString();
}

// None for a file that is no settings file (too big, a folder, a pipe), never written then.
std::optional<Settings::Values> readValues(const std::string& file) {
    if (fileState(file) == FileState::missing) return Settings::Values{};
    const auto text = readFile(file, kMaxSettings);
    if (!text) return std::nullopt;
    return readIni(*text);
}

void restore(MainWindow& window, const Settings::Values& values) {
    Preferences choices = window.preferences();
    for (const auto& [key, choice] : {std::pair{&kShowScore, &choices.showScore},
                                      {&kShowTime, &choices.showTime},
                                      {&kShowLevel, &choices.showLevel},
                                      {&kKanji, &choices.kanji},
                                      {&kShowConflicts, &choices.showConflicts},
                                      {&kHighlight, &choices.highlight}})
        if (const auto value = flag(values, *key)) *choice = *value;
    const auto level = values.find(kLevel);
    for (const auto& [each, word] : kLevelWords)
        if (level != values.end() && level->second == word) choices.levelChoice = each;
    const auto folder = values.find(kLastFolder);
    if (folder != values.end() && QFileInfo(QString::fromStdString(folder->second)).isDir())
        choices.lastFolder = folder->second;
    window.applyPreferences(choices);

    std::array<std::optional<int>, 4> place;
    for (std::size_t i = 0; i < place.size(); ++i) place[i] = number(values, kPlace[i]);
    const auto& [x, y, width, height] = place;
    if (!width || !height || *width < 100 || *height < 100 || *width > 16384 || *height > 16384) return;
    window.resize(*width, *height);
    if (x && y && onSomeScreen(QRect(*x, *y, *width, *height))) window.move(*x, *y);
}

}  // namespace

Settings::Values readIni(const std::string& text) {
    Settings::Values values;
    std::string section;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        const std::string line = trimmed(std::string_view(text).substr(start, end - start));
        start = end + 1;
        if (line.size() > 1 && line.front() == '[' && line.back() == ']') {
            section = line.substr(1, line.size() - 2);
            continue;
        }
        const std::size_t equals = line.find('=');
        if (line.empty() || line.front() == ';' || line.front() == '#' || equals == std::string::npos)
            continue;
        const std::string key = trimmed(std::string_view(line).substr(0, equals));
        values[section.empty() ? key : section + "/" + key] = unquoted(trimmed(line.substr(equals + 1)));
    }
    return values;
}

std::string writeIni(const Settings::Values& values) {
    std::string text, section = "\n";  // no section has that name
    for (const auto& [key, value] : values) {
        const std::size_t slash = key.find('/');
        const std::string group = slash == std::string::npos ? "" : key.substr(0, slash);
        if (group != section) {
            if (!text.empty()) text += '\n';
            if (!group.empty()) text += '[' + group + "]\n";
            section = group;
        }
        text += key.substr(slash == std::string::npos ? 0 : slash + 1) + '=' + quotedIfNeeded(value) + '\n';
    }
    return text;
}

Settings::Settings(MainWindow& window, const QString& file)
    : window_(window), file_(file.isEmpty() ? playerFile() : file.toStdString()) {
    restore(window_, readValues(file_).value_or(Values{}));
    kept_ = current();
    // Queued: the command that changed a choice has finished, the last folder included.
    connect(
        &window_, &MainWindow::choicesChanged, this, [this] { store(false); }, Qt::QueuedConnection);
}

Settings::~Settings() { store(true); }

// A maximized or full-screen window keeps the place it had before.
Settings::Values Settings::current() const {
    const Preferences choices = window_.preferences();
    const auto word = [](bool on) { return on ? std::string("true") : std::string("false"); };
    Values values = {{kShowScore, word(choices.showScore)},
                     {kShowTime, word(choices.showTime)},
                     {kShowLevel, word(choices.showLevel)},
                     {kKanji, word(choices.kanji)},
                     {kShowConflicts, word(choices.showConflicts)},
                     {kHighlight, word(choices.highlight)},
                     {kLastFolder, choices.lastFolder}};
    for (const auto& [level, name] : kLevelWords)
        if (choices.levelChoice == level) values[kLevel] = name;
    if (window_.isMaximized() || window_.isFullScreen()) return values;
    const std::array<int, 4> place = {window_.x(), window_.y(), window_.width(), window_.height()};
    for (std::size_t i = 0; i < place.size(); ++i) values[kPlace[i]] = std::to_string(place[i]);
    return values;
}

void Settings::store(bool withPlace) {
    Values changed;
    for (const auto& [key, value] : current()) {
        const bool place = key.rfind("window/", 0) == 0;
        if ((withPlace || !place) && kept_[key] != value) changed[key] = value;
    }
    if (changed.empty()) return;
    QDir().mkpath(QFileInfo(QString::fromStdString(file_)).absolutePath());
    auto values = readValues(file_);
    if (!values) return;
    for (const auto& [key, value] : changed) (*values)[key] = value;
    if (!replaceFile(file_, writeIni(*values))) return;
    for (const auto& [key, value] : changed) kept_[key] = value;
}

}  // namespace ninebox
