// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/texts.h"

#include <QCoreApplication>
#include <QStringList>

#include "rules/numbers.h"

namespace ninebox::text {

namespace {

QString tr(const char* context, const char* text) { return QCoreApplication::translate(context, text); }

}  // namespace

QString message(Message message, const QString& name) {
    switch (message) {
        case Message::saveCancelled: return tr("Message", "cancel selected");
        case Message::saveFailed:
            return tr("Message", "Error has occurred, name or permissions may be wrong.");
        case Message::gameFileExists: return tr("Message", "File already exists, do you wish to overwrite?");
        case Message::answersFileExists:
            return tr("Message", "Answers file \"%1\" already exists, do you wish to overwrite?").arg(name);
        case Message::answersNotWritten: return tr("Message", "problem creating answers");
        case Message::noFileLoaded: return tr("Message", "No file loaded, please try again");
        case Message::noAnswers: return tr("Message", "Note, No answers available for this puzzle.");
        case Message::puzzleBreaksRules:
            return tr("Message",
                      "This puzzle breaks the rules: a digit appears twice in a row, column or box.");
        case Message::clipboardHoldsNoPuzzle: return tr("Message", "The clipboard holds no puzzle.");
        case Message::donation:
            return tr("Message", "If you enjoy Ninebox, please consider supporting its developers.");
    }
    return {};
}

QString title(Message message) {
    switch (message) {
        case Message::answersNotWritten: return tr("Message", "problem");
        case Message::donation: return tr("Message", "Honesty is the Best!!");
        default: return tr("Message", "Sudoku");
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
        case layout::Button::newGame: return tr("Board", "New");
        case layout::Button::reset: return tr("Board", "Reset");
        case layout::Button::playMode: return tr("Board", "Play Mode");
        case layout::Button::mapMode: return tr("Board", "Map Mode");
        case layout::Button::score: return tr("Board", "Score On/Off");
        case layout::Button::time: return tr("Board", "Time On/Off");
        case layout::Button::about: return tr("Board", "About");
    }
    return {};
}

QString level(Level level) {
    switch (level) {
        case Level::easy: return tr("Board", "Level=Easy");
        case Level::medium: return tr("Board", "Level=Medium");
        case Level::hard: return tr("Board", "Level=Hard");
        case Level::none: break;
    }
    return tr("Board", "Level=     ");
}

QString score(Score score) { return tr("Board", "R:%1 W:%2").arg(score.right).arg(score.wrong); }
QString deleteKey() { return tr("Board", "Delete"); }
QString waitingCell() { return tr("Board", "Enter"); }
QString noAnswer() { return tr("Board", "NA"); }

QString cellName(const GameState& state, int x, int y) {
    const Puzzle& puzzle = state.puzzle;
    const std::int16_t digit = puzzle.digit(x, y);
    QString name = digit == 0 ? tr("Accessible", "empty, row %1, column %2").arg(y).arg(x)
                   : puzzle.given(x, y)
                       ? tr("Accessible", "%1, given, row %2, column %3").arg(digit).arg(y).arg(x)
                       : tr("Accessible", "%1, row %2, column %3").arg(digit).arg(y).arg(x);
    if (digit == 0 && state.mode == Mode::map) {
        QStringList open;
        for (int k = 1; k <= 9; ++k)
            if (puzzle.candidates()[x][y][k] != 1) open << QString::number(k);
        name += tr("Accessible", ", candidates %1").arg(open.join(QLatin1Char(' ')));
    } else if (digit == 0 && puzzle.notes(x, y) != 0) {  // the notes show outside map mode
        QStringList noted;
        for (int k = 1; k <= 9; ++k)
            if (puzzle.notes(x, y) >> (k - 1) & 1) noted << QString::number(k);
        name += tr("Accessible", ", notes %1").arg(noted.join(QLatin1Char(' ')));
    }
    if (state.waitingForDigit && state.selectedX == x && state.selectedY == y)
        name += tr("Accessible", ", waiting for a digit");
    return name;
}

QString stop(int stop) {
    if (stop < 7) return button(layout::kButtons[stop].button);
    return stop < 16 ? QString::number(stop - 6) : deleteKey();
}

QString boardName() { return tr("Accessible", "Board"); }

QString levelName(Level level) {
    switch (level) {
        case Level::easy: return tr("Accessible", "Level: Easy");
        case Level::medium: return tr("Accessible", "Level: Medium");
        case Level::hard: return tr("Accessible", "Level: Hard");
        case Level::none: break;
    }
    return tr("Accessible", "Level: none");
}

QString scoreName(Score score) {
    return tr("Accessible", "Score: %1 right, %2 wrong").arg(score.right).arg(score.wrong);
}

QString clockName(const QString& reading) { return tr("Accessible", "Time: %1").arg(reading); }

QString answerName(std::int16_t answer) {
    return answer > 0 ? tr("Accessible", "Answer: %1").arg(answer) : tr("Accessible", "Answer: not known");
}

QString solvedName() { return tr("Accessible", "Solved"); }

QString randomButton(Level level) {
    switch (level) {
        case Level::easy: return tr("GameDialog", "Select Easy");
        case Level::medium: return tr("GameDialog", "Select Medium");
        case Level::hard: return tr("GameDialog", "Select Hard");
        case Level::none: break;
    }
    return tr("GameDialog", "Select Random");
}

}  // namespace ninebox::text
