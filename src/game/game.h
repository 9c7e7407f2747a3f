// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game: the state and one method per command and event of the board window. It reaches
// the screen only through Window, chance only through Generator and files only through
// FileSystem, so every command runs headless.

#include <functional>
#include <string>
#include <utility>

#include "game/gamestate.h"
#include "game/history.h"
#include "game/preferences.h"
#include "game/window.h"

namespace ninebox {

class Generator;
class FileSystem;

enum class MouseButton { left = 1, right = 2, other = 4 };

// Key codes of keyDown.
namespace key {
constexpr int enter = 13;
constexpr int left = 37;
constexpr int up = 38;
constexpr int right = 39;
constexpr int down = 40;
constexpr int del = 46;
}  // namespace key

class Game {
public:
    // timeOfDay: seconds since local midnight, fraction included; seeds random game numbers.
    Game(Window& window, Generator& generator, FileSystem& files, std::function<double()> timeOfDay);

    GameState& state() { return s_; }
    const GameState& state() const { return s_; }
    Generator& generator() { return rng_; }

    // Window life
    void activated();
    bool closeRequested();  // true when the program should end
    void redraw();
    void tick();

    // Game menu and on-board buttons
    void newGame();
    void reset();
    void playMode();
    void mapMode();
    void editMode();
    void cheat();
    void checkSolved();

    // Options menu
    void toggleScore();
    void toggleTime();
    void toggleLevelShown();
    void removeWrongAnswers();
    void toggleKanji();
    void toggleInstructions();
    void about();

    // Level menu: the level random games must have; Level::none for "Random Level".
    void chooseLevel(Level level);

    // The Vault menu
    void load();
    void save();
    void print();

    // Game dialog: the caption of its random button, and its two buttons.
    std::string randomCaption() const;
    void dealRandom();
    void dealNumber(const std::string& text);

    // Input, in board units (x -70..220, y 0..220).
    void mousePressed(MouseButton button, double x, double y);
    void keyDown(int keyCode);
    void characterTyped(int charCode);

    // Keyboard shortcuts, menu bar shown or not: undo and redo of the player's changes to the
    // board, the puzzle's givens to the clipboard and a puzzle from it as a new game.
    void undo();
    void redo();
    void copyPuzzle();
    void pastePuzzle();

    // Procedures
    void transform();
    void countEntries();
    void buildCandidateMap();
    bool answersValid() const;

    // The file dialogs start from the path chosen last in either of them.
    const std::string& lastPath() const { return lastPath_; }

    // The choices kept between runs. Taken before the first activation, they set the marks
    // and the state only: that activation draws them.
    Preferences preferences() const;
    void applyPreferences(const Preferences& choices);
    // A game file to load at the first activation instead of dealing a game, through Load's
    // own path; when it cannot be loaded, Load's message shows and a game is dealt.
    void openAtStart(std::string path) { startFile_ = std::move(path); }

private:
    void setCheck(Item item, bool on);
    void toggleCheck(Item item);
    void setMode(Mode mode);
    void dealRecord();
    void titleFromPath(const std::string& path);
    // Load once the file dialog has answered: false when no game file was read.
    bool loadFile(const FileChoice& file);
    std::string answersText() const;
    bool answersFileFree(const std::string& gamePath);
    // A puzzle from a file or the clipboard: its givens on the board, no answers, no level,
    // the clock from zero and a new history.
    void startPuzzle(const Grid& puzzle);
    void warnOfClash(const Grid& puzzle);
    void takeStep(std::optional<Step> step, Side side);
    void clearHistory();

    // Records what the board and its givens go through while it lives as one undo step. Only
    // the outermost counts (the on-board Reset runs inside a mouse press), and none when the
    // history was cleared meanwhile (the on-board New).
    class StepRecorder {
    public:
        explicit StepRecorder(Game& game);
        ~StepRecorder();
        StepRecorder(const StepRecorder&) = delete;
        StepRecorder& operator=(const StepRecorder&) = delete;

    private:
        Game& game_;
        bool outer_;
    };

    GameState s_;
    Window& ui_;
    Generator& rng_;
    FileSystem& files_;
    std::function<double()> timeOfDay_;
    std::string lastPath_;
    std::string startFile_;
    History history_;
    bool recording_ = false;
    std::optional<Snapshot> stepStart_;  // the board before the step being recorded
};

}  // namespace ninebox
