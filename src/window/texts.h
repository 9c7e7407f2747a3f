// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The texts of what the game names by meaning: its messages and their titles, the window's
// caption, and the words on the board and its dialogs. Each goes through the translator; the
// caption stays as it is in every language, as it names the game and its file.

#include <QString>

#include "game/gamestate.h"
#include "game/layout.h"
#include "game/messages.h"
#include "rules/rating.h"

namespace ninebox::text {

// A text in the player's language (QCoreApplication::translate, under a name lupdate knows).
QString translate(const char* context, const char* text);

QString message(Message message, const Subject& subject);
QString clashMessage(const Clash& clash);  // "Two 5s in row 3."
QString title(Message message);
QString caption(const Caption& caption);

QString button(layout::Button button);  // the on-board buttons' labels
QString level(Level level);             // "Level=" and the puzzle's level
QString score(Score score);
QString deleteKey();
QString waitingCell();
QString noAnswer();                 // in the hint box, when the answers are unknown
QString paused();                   // over the hidden board; a screen reader reads it too
QString randomButton(Level level);  // the game dialog's "Select Random", "Select Easy", ...
// Print several games: a level as the dialog offers it ("Random Level" for none), and a
// printed game's heading, its number and level.
QString bookletLevel(Level level);
QString gameHeading(double number, Level level);

// For a screen reader: a cell, its content first, then its place, then what else shows there;
// the board's buttons and keys (a stop of game/layout.h); the texts beside the board.
QString cellName(const GameState& state, int x, int y);
QString stop(int stop);
QString boardName();
QString levelName(Level level);
QString scoreName(Score score);
QString clockName(const QString& reading);
QString clockName(std::int64_t seconds);  // read as the clock shows them
QString answerName(std::int16_t answer);
QString solvedName();
QString modeName(Mode mode);
// What a screen reader says: a command's notice, the level, score, clock and mode on demand,
// a change of more cells than are worth naming, and the instructions page's name.
QString notice(const Notice& notice, const GameState& state);
QString status(const GameState& state);
QString cellsChanged(int count);
QString instructionsName();

// Explain a Step's line (window/advicetext.cpp), and the names it is made of.
QString advice(const Advice& advice);
QString technique(Technique technique);
QString place(Cell cell);  // "row 4, column 6"
QString unit(Unit unit);   // "row 4", "column 4", "box 4"
// --rate's line of a puzzle: "XY-wing: Full house 4, Naked single 21, ..., XY-wing 1" (the
// hardest technique, then each technique used, in the ladder's order, with its count).
QString rating(const RatedPuzzle& puzzle);

}  // namespace ninebox::text
