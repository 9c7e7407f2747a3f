// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A headless game: the logic with a scripted window, files in memory and a fixed clock. Tests
// drive it by its public commands, as a player would, and read what it shows.

#include <gtest/gtest.h>

#include <charconv>
#include <deque>
#include <map>
#include <sstream>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "game/filesystem.h"
#include "game/game.h"
#include "game/printpage.h"
#include "game/window.h"
#include "rules/generator.h"
#include "rules/gridtext.h"
#include "support/grids.h"

namespace ninebox::testing {

// What a refused command must leave as it was (the mode aside).
inline auto kept(const GameState& s) {
    return std::tuple(s.puzzle.board(), s.puzzle.givens(), s.puzzle.answers(), s.level, s.seconds);
}

inline FileChoice chosen(const std::string& path) { return {FileChoice::Outcome::chosen, path}; }

// A stand-in for the board window: records what the game shows and answers every dialog from
// a script, so commands run headless. An empty script answers closed, Cancel or No.
class ScriptedWindow : public Window {
public:
    std::deque<GameChoice> games;
    std::deque<std::optional<AnswersChoice>> answersDialog;
    std::deque<Answer> answers;  // of the questions
    std::deque<FileChoice> files;
    std::deque<BookletChoice> booklets;
    std::vector<PrintPage> printed;  // the last booklet

    int paints = 0, answerPaints = 0, aboutShown = 0, gameDialogShown = 0;
    bool menusVisible = false;
    Caption caption;
    std::vector<std::int64_t> clock;
    std::vector<std::string> fileDialogStarts;
    std::vector<Message> messages;
    std::vector<Notice> notices;
    std::string clipboard;

    void paint(const GameState&, bool answerShown) override {
        ++paints;
        answerPaints += answerShown;
    }
    void paintClock(std::int64_t seconds) override { clock.push_back(seconds); }
    void setCaption(const Caption& shown) override { caption = shown; }
    void setMenusVisible(bool visible) override { menusVisible = visible; }
    void notice(const Notice& notice) override { notices.push_back(notice); }
    GameChoice chooseGame(Level) override {
        ++gameDialogShown;
        return take(games, GameChoice{});
    }
    std::optional<AnswersChoice> chooseAnswers() override { return take(answersDialog, {}); }
    PrintChoice choosePrint() override { return {}; }  // the window's tests print
    void print(const PrintPage&) override {}
    BookletChoice chooseBooklet() override { return take(booklets, {}); }
    void printBooklet(const std::vector<PrintPage>& pages) override { printed = pages; }
    void showAbout() override { ++aboutShown; }
    void setInstructionsVisible(bool) override {}
    Answer message(Message message, const Subject&) override {
        messages.push_back(message);
        return asksYesNo(message) ? take(answers, Answer::no) : Answer::ok;
    }
    FileChoice chooseOpenFile(const std::string& start) override { return chooseSaveFile(start); }
    FileChoice chooseSaveFile(const std::string& start) override {
        fileDialogStarts.push_back(start);
        return take(files, FileChoice{});
    }
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

// Files held in memory; with a disk, the files not held in memory are read from it and every
// file is written to it.
class MemoryFileSystem : public FileSystem {
public:
    explicit MemoryFileSystem(FileSystem* disk) : disk_(disk) {}
    std::map<std::string, std::string> files;
    bool full = false;  // every write fails, as on a full disk

    Probe probe(const std::string& path) override {
        return files.count(path) ? Probe::exists : disk_ ? disk_->probe(path) : Probe::missing;
    }
    std::unique_ptr<std::istream> openRead(const std::string& path, std::size_t limit) override {
        const auto found = files.find(path);
        if (found == files.end()) return disk_ ? disk_->openRead(path, limit) : nullptr;
        return found->second.size() > limit ? nullptr : std::make_unique<std::istringstream>(found->second);
    }
    bool replace(const std::string& path, const std::string& content) override {
        if (full || disk_) return !full && disk_->replace(path, content);
        files[path] = content;
        return true;
    }
    bool replaceUnsynced(const std::string& path, const std::string& content) override {
        return disk_ && !full ? disk_->replaceUnsynced(path, content) : replace(path, content);
    }
    bool moveAside(const std::string& path, const std::string& to) override {
        if (disk_ || !files.count(path) || files.count(to)) return disk_ && disk_->moveAside(path, to);
        files[to] = std::move(files[path]);
        return files.erase(path);
    }
    std::shared_ptr<void> holdFolder(const std::string& path) override {
        return disk_ ? disk_->holdFolder(path) : nullptr;
    }

private:
    FileSystem* disk_;
};

// A press in board units: on cell (x, y), or on key n 1..9 of the keypad.
struct Press {
    double x, y;
    MouseButton button = MouseButton::left;
};
inline Press cell(int x, int y, MouseButton b = MouseButton::left) {
    return {20.0 * x + 10, 20.0 * y + 10, b};
}
inline Press pad(int n) { return {-50.5 + 19 * ((n - 1) % 3), 157.5 + 15 * ((n - 1) / 3)}; }

class HeadlessGame {
public:
    // disk: where every file but the puzzle a test starts from is.
    explicit HeadlessGame(double timeOfDay = 43200.5, FileSystem* disk = nullptr)
        : clock(timeOfDay), files(disk), game(window, generator, files, [this] { return clock; }) {}
    const GameState& s() const { return game.state(); }
    const Puzzle& puzzle() const { return game.state().puzzle; }

    // Game `number`, typed into the game dialog (written so that it reads back exactly).
    void deal(double number) {
        char text[64];
        window.games.push_back(
            {GameChoice::Kind::number, std::string(text, std::to_chars(text, text + 64, number).ptr)});
        game.newGame();
    }
    // A puzzle loaded from a file, with its answers when given (81 characters each).
    void play(std::string_view givens, std::string_view answers = {}) {
        files.files["/p/puzzle.sud"] = writeGrid(gridFrom(givens));
        if (!answers.empty()) files.files["/p/puzzle.ans"] = writeGrid(gridFrom(answers));
        window.files.push_back(chosen("/p/puzzle.sud"));
        game.load();
        window.messages.clear();
    }
    void playRecordA() { play(kRecordA, kRecordASolution); }
    // Moves the selection with the arrow keys, never wrapping.
    void select(int x, int y) {
        while (s().selectedY != y) game.key(s().selectedY < y ? Key::down : Key::up);
        while (s().selectedX != x) game.key(s().selectedX < x ? Key::right : Key::left);
    }
    HeadlessGame& presses(const std::vector<Press>& list) {
        for (const Press& p : list) game.press(p.button, p.x, p.y);
        return *this;
    }
    // Characters typed: Enter is '\n', Delete '\x7f'.
    HeadlessGame& type(std::string_view keys) {
        for (const char c : keys) {
            if (c == '\n' || c == '\x7f') game.key(c == '\n' ? Key::enter : Key::del);
            else if (static_cast<unsigned char>(c) <= ' ') game.blankTyped();
            else game.digitTyped(static_cast<std::int16_t>(c >= '0' && c <= '9' ? c - '0' : 0));
        }
        return *this;
    }
    int selected() const { return s().selectedX * 10 + s().selectedY; }

    double clock;
    ScriptedWindow window;
    SplitMixGenerator generator;
    MemoryFileSystem files;
    Game game;
};

}  // namespace ninebox::testing
