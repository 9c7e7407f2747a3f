// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game: one method per command of the menus and the on-board buttons, and per kind of
// input on the board. It reaches the screen only through Window, chance only through
// Generator and files only through FileSystem, so every command runs headless; what it shows
// is read through state().

#include <functional>
#include <optional>
#include <string>

#include "game/gamestate.h"
#include "game/history.h"
#include "game/input.h"
#include "game/messages.h"
#include "game/preferences.h"
#include "game/window.h"

namespace ninebox {

class Generator;
class FileSystem;

class Game {
public:
    // timeOfDay: seconds since local midnight, fraction included; seeds random game numbers.
    Game(Window& window, Generator& generator, FileSystem& files, std::function<double()> timeOfDay);

    const GameState& state() const { return s_; }

    // Start-up: the choices kept from the last run set the marks and the state only; then the
    // game in progress comes back as it was left, or the first game comes without the game
    // dialog; or the game file named at start is loaded (when it cannot be, Load's message
    // shows over the board and the start goes on as without it).
    void applyPreferences(const Preferences& choices);
    Preferences preferences() const;
    void start(const std::string& file = {});

    // The game in progress is kept in the file at path (game/progress.h) after every command
    // that changes it and when the program ends, and comes back at start, unless it was solved
    // or never played (no digit or note of the player's, nothing to undo or redo). One that
    // cannot be read is renamed aside to path.bad; if even that fails, nothing is written over
    // it. After a start with a game file the kept game stays until the player changes
    // something. Without a path, nothing is kept.
    void keepProgressIn(std::string path);
    // The program ends: the game is kept a last time, its clock too, and this copy is on the
    // disk before the call returns. Nothing is written after it.
    void end();

    // The window: activated (the instructions page hides), asked to close (true when the
    // program may end), resized (drawn anew), and the clock's second.
    void activated();
    bool closeRequested();
    void redraw() const;
    void tick();
    // The program pauses a running game by itself when its window is minimised, and when it
    // has had no active window for a minute of ticks.
    void minimised();
    void setActive(bool active);

    // The Vault
    void load();
    void save();
    void print();
    // Several random games of a level on paper, each headed by its number and level, the
    // answers at the back if wanted (game/printpage.h).
    void printBooklet();

    // Game (and the on-board New, Reset, Play Mode and Map Mode)
    void newGame();
    void reset();
    void playMode();
    void mapMode();
    void editMode();
    void cheat();
    // The next step a player could find, shown on the board and said in a line until the next
    // change, key or click (a wrong digit of the player's first); asked again with nothing
    // changed, its digit is placed. Play and map mode, not while paused.
    void explainStep();
    // The clock stops and the board hides until the player resumes: with this again, a key on
    // the board or a press on it, which do nothing else. Meanwhile undo, redo, Cheat and the
    // commands of the board do nothing; a new, loaded or pasted game starts running. A solved
    // game's clock has stopped already: it does not pause.
    void togglePause();

    // Options (and the on-board Score On/Off, Time On/Off and About)
    void toggleScore();
    void toggleTime();
    void toggleLevelShown();
    void removeWrongAnswers();
    void toggleKanji();
    void toggleInstructions();
    void about();
    // Digits that stand twice in a row, column or box drawn red; play mode's highlighter.
    void toggleConflicts();
    void toggleHighlight();

    // Level: the level random games must have; Level::none for "Random Level".
    void chooseLevel(Level level);

    // Keys of the window, menu bar shown or not: undo and redo of the player's changes, the
    // puzzle's givens to the clipboard and a puzzle from it as a new game.
    void undo();
    void redo();
    void copyPuzzle();
    void pastePuzzle();

    // The board: a press in board units (game/layout.h), and keys by their meaning. A digit
    // typed is 0..9, 0 for any other printable character; a blank is a space or a control
    // character, which only empties a cell waiting for a digit. A press taken as a note (Ctrl
    // held) on the keypad in play mode notes its digit, "Delete" clearing the notes.
    void press(MouseButton button, double x, double y, bool noting = false);
    void key(Key key);
    void digitTyped(std::int16_t digit);
    void blankTyped();
    // The player's note of digit 1..9 in the selected empty cell, on or off; 0 takes the cell's
    // notes away. Play mode only; a note ends a waiting entry, so that it shows.
    void note(std::int16_t digit);

private:
    class Command;  // game/command.h

    void draw(bool answerShown = false) const;
    void setMode(Mode mode);
    void switchMode(Mode mode);
    void clearForNewGame();
    void deal(double number, bool typed);
    double randomNumber(double seed, Level wanted);
    void forgetHistory();
    bool loadFile(const FileChoice& file);
    void startPuzzle(const Puzzle& puzzle);
    void learnAnswers();
    void playOwnPuzzle();  // in play mode, drawn, its answers learnt
    void showPathInCaption(const std::string& path);
    void showCaption(const Caption& caption);
    bool resume();
    std::string progressText() const;
    void keepProgress();
    bool answersFileFree(const std::string& gamePath);
    std::string answersText() const;
    void typed(std::int16_t digit, bool printable);
    void pressButton(double y);
    void pressKeypad(std::int16_t digit);
    bool takeBack(std::optional<Change> change, Puzzle::Side side);  // false: nothing to take back
    void pause();
    bool resumed();

    GameState s_;
    Window& ui_;
    Generator& rng_;
    FileSystem& files_;
    std::function<double()> timeOfDay_;

    std::optional<AnswersChoice> answersChoice_;  // the answers dialog's last choice
    std::string lastPath_;                        // the file dialogs start from it
    History history_;
    Command* command_ = nullptr;  // the outermost command running, if any
    // As the window shows it. Its number is the last dealt game's, whatever the caption names:
    // a random game's number is drawn from it.
    Caption caption_;

    // The game in progress is kept at progressPath_ (empty: not kept, or no more) when a command
    // that changed it ends. kept_: the text last written or read there, none before the start.
    std::string progressPath_;
    std::optional<std::string> kept_;
    bool holding_ = false;  // the game file named at start shows: the kept game stays until a change
    bool toldNotKept_ = false;

    bool active_ = true;     // a window of the program's is the active window
    int inactiveTicks_ = 0;  // the clock's seconds since it lost that, running
};

}  // namespace ninebox
