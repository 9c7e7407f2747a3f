// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A window that draws nothing and answers every dialog as closed but the game dialog, which
// deals the numbers 1, 2, 3, ...: the figures are the game's and the painter's alone.

#include <string>

#include "game/game.h"

namespace ninebox {

class NullWindow final : public Window {
public:
    double number = 0;
    void paint(const GameState&, bool) override {}
    void paintClock(std::int64_t) override {}
    void setCaption(const Caption&) override {}
    void setMenusVisible(bool) override {}
    void notice(const Notice&) override {}
    GameChoice chooseGame(Level) override { return {GameChoice::Kind::number, std::to_string(++number)}; }
    std::optional<AnswersChoice> chooseAnswers() override { return std::nullopt; }
    PrintChoice choosePrint() override { return {}; }
    void showAbout() override {}
    void setInstructionsVisible(bool) override {}
    Answer message(Message, const Subject&) override { return Answer::no; }
    FileChoice chooseOpenFile(const std::string&) override { return {}; }
    FileChoice chooseSaveFile(const std::string&) override { return {}; }
    void print(const PrintPage&) override {}
    BookletChoice chooseBooklet() override { return {}; }
    void printBooklet(const std::vector<PrintPage>&) override {}
    std::optional<std::string> clipboardText(std::size_t) override { return {}; }
    void setClipboardText(const std::string&) override {}
};

}  // namespace ninebox
