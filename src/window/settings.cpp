// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/settings.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <array>
#include <optional>
#include <utility>

#include "game/preferences.h"
#include "window/mainwindow.h"

namespace ninebox {

namespace {

const QString kShowScore = QStringLiteral("options/showScore");
const QString kShowTime = QStringLiteral("options/showTime");
const QString kShowLevel = QStringLiteral("options/showLevel");
const QString kKanji = QStringLiteral("options/kanji");
const QString kLevel = QStringLiteral("options/level");
const QString kLastFolder = QStringLiteral("files/lastFolder");
const std::array<QString, 4> kGeometry = {QStringLiteral("window/x"), QStringLiteral("window/y"),
                                          QStringLiteral("window/width"), QStringLiteral("window/height")};

const std::array<std::pair<Level, QString>, 4> kLevelWords = {{{Level::none, QStringLiteral("random")},
                                                               {Level::easy, QStringLiteral("easy")},
                                                               {Level::medium, QStringLiteral("medium")},
                                                               {Level::hard, QStringLiteral("hard")}}};

QString text(const QSettings& file, const QString& key) { return file.value(key).toString(); }

// Values are read strictly: anything but the words and numbers written here is no value.
std::optional<bool> flag(const QSettings& file, const QString& key) {
    const QString value = text(file, key);
    if (value == QLatin1String("true")) return true;
    if (value == QLatin1String("false")) return false;
    return std::nullopt;
}

std::optional<int> number(const QSettings& file, const QString& key) {
    bool ok = false;
    const int value = text(file, key).toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

QString levelWord(Level level) {
    for (const auto& [each, word] : kLevelWords)
        if (each == level) return word;
    return kLevelWords[0].second;
}

// A place is used only when a fair part of the window would be on one of today's screens:
// one remembered from a screen that is gone would put the window out of reach.
bool onSomeScreen(const QRect& rect) {
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect seen = screen->availableGeometry().intersected(rect);
        if (seen.width() >= 100 && seen.height() >= 50) return true;
    }
    return false;
}

}  // namespace

Settings::Settings(MainWindow& window, const QString& file)
    : window_(window),
      file_(file.isEmpty() ? std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                                         QStringLiteral("ninebox"), QStringLiteral("ninebox"))
                           : std::make_unique<QSettings>(file, QSettings::IniFormat)) {
    file_->setFallbacksEnabled(false);  // the player's own file only, not the system's
    restore();
    // Queued: the command that changed a choice has finished, the last folder included.
    connect(&window_, &MainWindow::choicesChanged, this, &Settings::storeChoices, Qt::QueuedConnection);
}

Settings::~Settings() {
    storeChoices();
    storeGeometry();
}

void Settings::restore() {
    Preferences choices = window_.game().preferences();
    for (const auto& [key, choice] : {std::pair{&kShowScore, &choices.showScore},
                                      {&kShowTime, &choices.showTime},
                                      {&kShowLevel, &choices.showLevel},
                                      {&kKanji, &choices.kanji}})
        if (const auto value = flag(*file_, *key)) *choice = *value;
    for (const auto& [level, word] : kLevelWords)
        if (text(*file_, kLevel) == word) choices.levelChoice = level;
    const QString folder = text(*file_, kLastFolder);
    if (!folder.isEmpty() && QFileInfo(folder).isDir()) choices.lastFolder = folder.toStdString();
    window_.game().applyPreferences(choices);

    std::array<std::optional<int>, 4> place;
    for (std::size_t i = 0; i < place.size(); ++i) place[i] = number(*file_, kGeometry[i]);
    const auto& [x, y, width, height] = place;
    if (!width || !height || *width < 100 || *height < 100 || *width > 16384 || *height > 16384) return;
    window_.resize(*width, *height);
    if (x && y && onSomeScreen(QRect(*x, *y, *width, *height))) window_.move(*x, *y);
}

void Settings::storeChoices() {
    const Preferences choices = window_.game().preferences();
    const auto word = [](bool on) { return on ? QStringLiteral("true") : QStringLiteral("false"); };
    bool changed = false;
    for (const auto& [key, value] : {std::pair{&kShowScore, word(choices.showScore)},
                                     {&kShowTime, word(choices.showTime)},
                                     {&kShowLevel, word(choices.showLevel)},
                                     {&kKanji, word(choices.kanji)},
                                     {&kLevel, levelWord(choices.levelChoice)},
                                     {&kLastFolder, QString::fromStdString(choices.lastFolder)}}) {
        if (text(*file_, *key) == value) continue;
        file_->setValue(*key, value);
        changed = true;
    }
    if (changed) file_->sync();
}

// A maximized or full-screen window keeps the place it had before.
void Settings::storeGeometry() {
    if (window_.isMaximized() || window_.isFullScreen()) return;
    const std::array<int, 4> place = {window_.x(), window_.y(), window_.width(), window_.height()};
    for (std::size_t i = 0; i < place.size(); ++i) file_->setValue(kGeometry[i], place[i]);
    file_->sync();
}

}  // namespace ninebox
