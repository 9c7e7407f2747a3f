// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A headless game: the logic with a scripted window, files in memory and a fixed clock.

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "game/filesystem.h"
#include "game/game.h"
#include "game/window.h"
#include "rules/generator.h"
#include "support/grids.h"

namespace ninebox::testing {

// Puts the cells on the board, marking the non-zero ones as givens.
inline void setPuzzle(GameState& state, std::string_view cells) {
    state.board = gridFrom(cells);
    state.givens = givensOf(state.board);
}

// What a refused command must leave as it was (the mode aside).
inline auto kept(const GameState& s) {
    return std::tie(s.board, s.givens, s.candidates, s.answer, s.level, s.seconds);
}

// A stand-in for the board window: records what the game shows and answers every dialog
// from a script, so commands run headless.
class ScriptedWindow : public Window {
public:
    // Scripted answers, front first; an empty script answers closed/Cancel/No.
    std::deque<std::function<void()>> gameDialog;  // runs inside the game dialog
    std::deque<std::optional<AnswersChoice>> answersDialog;
    std::deque<Answer> answers;  // of Yes/No message boxes
    std::deque<FileChoice> files;

    // What was shown; answerPaints: with an answer shown, messages as "title|text".
    int paints = 0, answerPaints = 0, aboutShown = 0, gameDialogShown = 0;
    bool menusVisible = false;
    std::vector<std::string> clockReadings, fileDialogStarts, messages;
    std::string caption = "Ninebox1", clipboard;

    void paint(const GameState& state) override {
        ++paints;
        answerPaints += state.showAnswerOnce;
    }
    void paintClock(const std::string& reading) override { clockReadings.push_back(reading); }
    void setCaption(const std::string& text) override { caption = text; }
    void setMenusVisible(bool visible) override { menusVisible = visible; }
    void setChecked(Item, bool) override {}
    void showGameDialog() override {
        ++gameDialogShown;
        if (!gameDialog.empty()) take(gameDialog, {})();
    }
    std::optional<AnswersChoice> showAnswersDialog() override { return take(answersDialog, {}); }
    PrintChoice showPrintDialog() override { return {PrintButton::cancel, true, false}; }
    void showAbout() override { ++aboutShown; }
    void setInstructionsVisible(bool) override {}
    Answer message(const std::string& text, const std::string& title, Buttons buttons) override {
        messages.push_back(title + "|" + text);
        return buttons == Buttons::ok ? Answer::ok : take(answers, Answer::no);
    }
    FileChoice chooseOpenFile(const std::string& start) override { return chooseSaveFile(start); }
    FileChoice chooseSaveFile(const std::string& start) override {
        fileDialogStarts.push_back(start);
        return take(files, FileChoice{});
    }
    void print(const PrintPage&) override {}
    std::optional<std::string> clipboardText(std::size_t limit) override {
        return clipboard.size() > limit ? std::nullopt : std::optional(clipboard);
    }
    void setClipboardText(const std::string& text) override { clipboard = text; }

private:
    template <typename T>
    static T take(std::deque<T>& script, T otherwise) {
        if (script.empty()) return otherwise;
        T first = script.front();
        script.pop_front();
        return first;
    }
};

// Files held in memory.
class MemoryFileSystem : public FileSystem {
public:
    std::map<std::string, std::string> files;

    Probe probe(const std::string& path) override {
        return files.count(path) ? Probe::exists : Probe::missing;
    }
    std::unique_ptr<std::istream> openRead(const std::string& path, std::size_t limit) override {
        const auto found = files.find(path);
        if (found == files.end() || found->second.size() > limit) return nullptr;
        return std::make_unique<std::istringstream>(found->second);
    }
    bool replace(const std::string& path, const std::string& content) override {
        files[path] = content;
        return true;
    }
    std::shared_ptr<void> holdFolder(const std::string&) override { return nullptr; }
};

class HeadlessGame {
public:
    // disk: another file system than the one in memory.
    explicit HeadlessGame(double timeOfDay = 43200.5, FileSystem* disk = nullptr)
        : clock(timeOfDay), game(window, generator, disk ? *disk : files, [this] { return clock; }) {}
    GameState& s() { return game.state(); }
    // Deals game `number` through the game dialog as a player typing it, past the first game.
    void deal(double number) {
        if (s().started == Startup::notActivated) s().started = Startup::done;
        window.gameDialog.push_back([this, number] {
            s().gameNumber = number;
            s().numberTyped = true;
        });
        game.newGame();
    }
    // Record A in play past the first game, its answers known.
    void playRecordA() {
        s().started = Startup::done;
        setPuzzle(s(), kRecordA);
        s().answer = gridFrom(kRecordASolution);
    }

    double clock;
    ScriptedWindow window;
    SplitMixGenerator generator;
    MemoryFileSystem files;
    Game game;
};

}  // namespace ninebox::testing
