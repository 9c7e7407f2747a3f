// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the game says and asks, by meaning: the window turns each into text of the player's
// language, and hands back what the player chose.

#include <optional>
#include <string>
#include <utility>

#include "rules/library.h"
#include "rules/units.h"

namespace ninebox {

// The message boxes. Those that ask a question take Yes or No; the others an OK.
enum class Message {
    saveCancelled,           // the save's file dialog was cancelled
    saveFailed,              // the name or the permissions were wrong, or the disk full
    gameFileExists,          // overwrite it?
    answersFileExists,       // of the file named: overwrite it?
    answersNotWritten,       // the game file was saved, its answers file not
    noFileLoaded,            // Load was cancelled, or the file is no game file
    givensClash,             // a puzzle of the player's own holds a digit twice in the unit named
    noSolution,              // a puzzle of the player's own has no solution
    severalSolutions,        // a puzzle of the player's own has more than one solution
    clipboardHoldsNoPuzzle,  // Ctrl+V
    gameNotKept,             // the folder named cannot be written: the game in progress is not kept
    donation,                // now and then after "Select Random"
};
bool asksYesNo(Message message);
enum class Answer { ok, yes, no };

// What a message names: a file, or the unit that holds a digit twice.
struct Subject {
    std::string name;
    Clash clash;
};

// What a command did that the board alone does not make heard: a screen reader says it once.
struct Notice {
    enum class Kind {
        refused,        // a key on the selected cell changed nothing there: a given, a note on a filled cell
        mode,           // a mode was chosen, whether or not it was on already
        cheated,        // count: the digits Cheat placed
        wrongRemoved,   // count: the digits Remove Wrong Answers took away
        reset,          // the player's digits and notes gone, the clock back to zero
        nothingToUndo,  // Undo or Redo with nothing to take back or make again
        nothingToRedo,
        loaded,   // name: the game file's name, without its folder
        saved,    // name: the game file's name, without its folder
        pasted,   // the clipboard's puzzle is the new game
        resumed,  // the paused game runs again
    };
    Notice(Kind what, int howMany = 0, std::string named = {})
        : kind(what), count(howMany), name(std::move(named)) {}
    Kind kind;
    int count;
    std::string name;
};

// The window's caption: the program's name, the game number, the end of a file's path, or a
// pasted puzzle.
struct Caption {
    enum class Kind { program, game, file, pasted };
    Kind kind = Kind::program;
    double gameNumber = 0;
    std::string pathEnd;  // the path's last nine characters
};

// The game dialog: a random game, the text typed for a game number, or closed.
struct GameChoice {
    enum class Kind { closed, random, number };
    Kind kind = Kind::closed;
    std::string typed;
};

// Where the answers file of a save comes from, as chosen in the answers dialog.
enum class AnswersChoice { none, workedPuzzle, answers };

// The print dialog's answer; closing it is Cancel.
struct PrintChoice {
    bool print = false;
    bool puzzle = true;    // "Print Puzzle" ticked
    bool answers = false;  // "Print Answers if available" ticked
};

// The booklet dialog's answer ("Print several games"); closing it is Cancel.
constexpr int kMostBooklet = 60;
struct BookletChoice {
    bool print = false;
    int games = 4;              // 1..kMostBooklet
    Level level = Level::none;  // none: any
    int perPage = 4;            // 1, 2, 4 or 6
    bool answers = true;        // printed at the back
};

struct FileChoice {
    enum class Outcome { chosen, cancelled, failed };
    Outcome outcome = Outcome::cancelled;
    std::string path;  // full path when chosen
};

}  // namespace ninebox
