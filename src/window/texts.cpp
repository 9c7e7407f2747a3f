// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/texts.h"

#include <QCoreApplication>

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
