// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/texts.h"

#include <QCoreApplication>
#include <QStringList>

#include "game/clock.h"
#include "rules/numbers.h"
#include "rules/units.h"

namespace ninebox::text {

QString translate(const char* context, const char* text) {
    return QCoreApplication::translate(context, text);
}

QString message(Message message, const Subject& subject) {
    const QString name = QString::fromStdString(subject.name);
    switch (message) {
        //: The save was cancelled in its file dialog.
        case Message::saveCancelled: return translate("Message", "cancel selected");
        case Message::saveFailed:
            return translate("Message", "Error has occurred, name or permissions may be wrong.");
        case Message::gameFileExists:
            return translate("Message", "File already exists, do you wish to overwrite?");
        //: %1 is the answers file's name, such as hard1.ans.
        case Message::answersFileExists:
            return translate("Message", "Answers file \"%1\" already exists, do you wish to overwrite?")
                .arg(name);
        //: The game file was saved, but its answers file could not be written.
        case Message::answersNotWritten: return translate("Message", "problem creating answers");
        case Message::noFileLoaded: return translate("Message", "No file loaded, please try again");
        case Message::givensClash: return clashMessage(subject.clash);
        case Message::noSolution: return translate("Message", "This puzzle has no solution.");
        case Message::severalSolutions:
            return translate("Message", "This puzzle has more than one solution.");
        case Message::clipboardHoldsNoPuzzle: return translate("Message", "The clipboard holds no puzzle.");
        //: %1 is a folder; the game plays on, but will not come back at the next start.
        case Message::gameNotKept:
            return translate("Message", "Your game cannot be kept: %1 cannot be written.").arg(name);
        //: Now and then after "Select Random"; its title is "Honesty is the Best!!".
        case Message::donation:
            return translate("Message", "If you enjoy Ninebox, please consider supporting its developers.");
    }
    return {};
}

QString title(Message message) {
    switch (message) {
        //: Title of the message box saying the answers file could not be written.
        case Message::answersNotWritten: return translate("Message", "problem");
        //: Title of the occasional request for a donation: playful, like a proverb.
        case Message::donation: return translate("Message", "Honesty is the Best!!");
        //: Title of the program's message boxes.
        default: return translate("Message", "Sudoku");
    }
}

QString caption(const Caption& caption) {
    switch (caption.kind) {
        case Caption::Kind::program: return QStringLiteral("Ninebox1");
        case Caption::Kind::game:
            return QStringLiteral("Ninebox1 --Game# ") +
                   QString::fromStdString(numberText(caption.gameNumber));
        case Caption::Kind::file:
            return QStringLiteral("Ninebox1 --") + QString::fromStdString(caption.pathEnd);
        case Caption::Kind::pasted: return QStringLiteral("Ninebox1 --Pasted");
    }
    return {};
}

QString button(layout::Button button) {
    switch (button) {
        //: The on-board buttons, on small slabs left of the board: keep them short.
        case layout::Button::newGame: return translate("Board", "New");
        case layout::Button::reset: return translate("Board", "Reset");
        case layout::Button::playMode: return translate("Board", "Play Mode");
        case layout::Button::mapMode: return translate("Board", "Map Mode");
        case layout::Button::score: return translate("Board", "Score On/Off");
        case layout::Button::time: return translate("Board", "Time On/Off");
        case layout::Button::about: return translate("Board", "About");
    }
    return {};
}

QString level(Level level) {
    switch (level) {
        //: Painted under the keypad when Show Difficulty Level is ticked: the level of the puzzle.
        case Level::easy: return translate("Board", "Level=Easy");
        case Level::medium: return translate("Board", "Level=Medium");
        case Level::hard: return translate("Board", "Level=Hard");
        case Level::none: break;
    }
    //: The level of a puzzle of the player's own (edit mode, a loaded file): no level.
    return translate("Board", "Level=     ");
}

//: The score: %1 right entries, %2 wrong ones; one letter each, as short as possible.
QString score(Score score) { return translate("Board", "R:%1 W:%2").arg(score.right).arg(score.wrong); }
//: The key under the keypad that empties the selected cell.
QString deleteKey() { return translate("Board", "Delete"); }
//: Painted small inside the cell that waits for a digit from the keypad: a few letters.
QString waitingCell() { return translate("Board", "Enter"); }
//: In the small box above the board, when the cell's answer is not known: one or two letters.
QString noAnswer() { return translate("Board", "NA"); }
//: Over the hidden board while the game is paused (the clock stopped); a screen reader reads it.
QString paused() { return translate("Board", "Paused"); }

QString cellName(const GameState& state, int x, int y) {
    const Puzzle& puzzle = state.puzzle;
    const std::int16_t digit = puzzle.digit(x, y);
    QString name;
    if (digit == 0) {
        name = translate("Accessible", "empty, row %1, column %2").arg(y).arg(x);
    } else {
        // With Show Conflicts, a digit that stands again in its row, column or box says so.
        const bool clash = state.conflictsShown && seesDigit(puzzle.board(), x, y, digit);
        const bool given = puzzle.given(x, y);
        //: "clash": the same digit stands again in this cell's row, column or box.
        const QString form = given && clash ? translate("Accessible", "%1, given, clash, row %2, column %3")
                             : given        ? translate("Accessible", "%1, given, row %2, column %3")
                             : clash        ? translate("Accessible", "%1, clash, row %2, column %3")
                                            : translate("Accessible", "%1, row %2, column %3");
        name = form.arg(digit).arg(y).arg(x);
    }
    if (digit == 0 && state.mode == Mode::map) {
        QStringList open;
        for (int k = 1; k <= 9; ++k)
            if (puzzle.candidates()[x][y][k] != 1) open << QString::number(k);
        name += translate("Accessible", ", candidates %1").arg(open.join(QLatin1Char(' ')));
    } else if (digit == 0 && puzzle.notes(x, y) != 0) {  // the notes show outside map mode
        QStringList noted;
        for (int k = 1; k <= 9; ++k)
            if (puzzle.notes(x, y) >> (k - 1) & 1) noted << QString::number(k);
        name += translate("Accessible", ", notes %1").arg(noted.join(QLatin1Char(' ')));
    }
    if (state.waitingForDigit && state.selectedX == x && state.selectedY == y)
        name += translate("Accessible", ", waiting for a digit");
    return name;
}

QString stop(int stop) {
    const int digit = layout::stopDigit(stop);
    if (digit < 0) return button(layout::kButtons[stop].button);
    return digit > 0 ? QString::number(digit) : deleteKey();
}

QString boardName() { return translate("Accessible", "Board"); }

QString levelName(Level level) {
    switch (level) {
        case Level::easy: return translate("Accessible", "Level: Easy");
        case Level::medium: return translate("Accessible", "Level: Medium");
        case Level::hard: return translate("Accessible", "Level: Hard");
        case Level::none: break;
    }
    return translate("Accessible", "Level: none");
}

QString scoreName(Score score) {
    return translate("Accessible", "Score: %1 right, %2 wrong").arg(score.right).arg(score.wrong);
}

QString clockName(const QString& reading) { return translate("Accessible", "Time: %1").arg(reading); }
QString clockName(std::int64_t seconds) { return clockName(QString::fromStdString(clockText(seconds))); }

QString answerName(std::int16_t answer) {
    return answer > 0 ? translate("Accessible", "Answer: %1").arg(answer)
                      : translate("Accessible", "Answer: not known");
}

QString solvedName() { return translate("Accessible", "Solved"); }

QString bookletLevel(Level level) {
    switch (level) {
        //: A puzzle's level, in the dialog of "Print several games" and in the printed headings.
        case Level::easy: return translate("Booklet", "Easy");
        case Level::medium: return translate("Booklet", "Medium");
        case Level::hard: return translate("Booklet", "Hard");
        case Level::none: break;
    }
    //: Games of any level.
    return translate("Booklet", "Random Level");
}

QString gameHeading(double number, Level level) {
    //: Above a printed game: %1 its game number (typed into New, it deals the game again), %2 its level.
    return translate("Booklet", "Game %1 (%2)")
        .arg(QString::fromStdString(numberText(number)), bookletLevel(level));
}

QString modeName(Mode mode) {
    switch (mode) {
        case Mode::play: return button(layout::Button::playMode);
        case Mode::map: return button(layout::Button::mapMode);
        //: Said to a screen reader's user: the mode in which the player types in a puzzle.
        case Mode::edit: return translate("Accessible", "Edit Mode");
    }
    return {};
}

QString notice(const Notice& notice, const GameState& state) {
    const QString name = QString::fromStdString(notice.name);
    switch (notice.kind) {
        case Notice::Kind::refused: return cellName(state, state.selectedX, state.selectedY);
        case Notice::Kind::mode: return modeName(state.mode);
        case Notice::Kind::cheated:
            //: Said to a screen reader's user after Cheat; %1 is 0 or more than 1.
            return notice.count == 1 ? translate("Accessible", "Cheat placed 1 digit")
                                     : translate("Accessible", "Cheat placed %1 digits").arg(notice.count);
        case Notice::Kind::wrongRemoved:
            //: Said after Remove Wrong Answers; %1 is 0 or more than 1.
            return notice.count == 1 ? translate("Accessible", "Removed 1 wrong answer")
                                     : translate("Accessible", "Removed %1 wrong answers").arg(notice.count);
        //: Said after Reset: the player's digits and notes are gone, the clock is at zero.
        case Notice::Kind::reset: return translate("Accessible", "Board reset");
        //: Said when Undo (or Redo, below) finds nothing to take back (or to make again).
        case Notice::Kind::nothingToUndo: return translate("Accessible", "Nothing to undo");
        case Notice::Kind::nothingToRedo: return translate("Accessible", "Nothing to redo");
        //: %1 is the game file's name.
        case Notice::Kind::loaded: return translate("Accessible", "Loaded %1").arg(name);
        //: %1 is the game file's name.
        case Notice::Kind::saved: return translate("Accessible", "Saved as %1").arg(name);
        //: The puzzle on the clipboard became a new game (Ctrl+V).
        case Notice::Kind::pasted: return translate("Accessible", "Puzzle pasted");
        //: Said when a paused game runs again (the board shows again).
        case Notice::Kind::resumed: return translate("Accessible", "Resumed");
    }
    return {};
}

QString status(const GameState& state) {
    return QStringList{levelName(state.level), scoreName(state.score()), clockName(state.seconds),
                       modeName(state.mode)}
        .join(QStringLiteral(". "));
}

//: Said to a screen reader's user when Undo or Redo changed more cells than are worth naming.
QString cellsChanged(int count) { return translate("Accessible", "%1 cells changed").arg(count); }

//: The instructions page's name for a screen reader.
QString instructionsName() { return translate("Instructions", "Instructions"); }

QString randomButton(Level level) {
    switch (level) {
        //: The game dialog's button for a random game of the level chosen in the Level menu.
        case Level::easy: return translate("GameDialog", "Select Easy");
        case Level::medium: return translate("GameDialog", "Select Medium");
        case Level::hard: return translate("GameDialog", "Select Hard");
        case Level::none: break;
    }
    return translate("GameDialog", "Select Random");
}

}  // namespace ninebox::text
