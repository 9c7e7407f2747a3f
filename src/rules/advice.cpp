// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/advice.h"

#include "rules/solver.h"
#include "rules/units.h"

namespace ninebox {

namespace {

Advice stepOrNone(const Grid& board) {
    Advice advice;
    if (auto step = explainStep(board)) {
        advice.kind = Advice::Kind::step;
        advice.step = std::move(*step);
    }
    return advice;
}

}  // namespace

Advice adviceFor(const Puzzle& puzzle) {
    Advice advice;
    if (puzzle.solved()) {
        advice.kind = Advice::Kind::complete;
        return advice;
    }
    const Grid& board = puzzle.board();
    const Grid& answers = puzzle.answers();
    if (const Grid givens = puzzle.puzzle(); solves(answers, givens)) {
        Grid right = givens;
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y)
                if (board[x][y] == answers[x][y]) right[x][y] = board[x][y];
        for (int y = 1; y <= 9; ++y)
            for (int x = 1; x <= 9; ++x) {
                if (board[x][y] == 0 || board[x][y] == answers[x][y]) continue;
                // What shows it wrong is judged with the right digits alone beside it.
                Grid with = right;
                with[x][y] = board[x][y];
                advice.kind = Advice::Kind::wrongDigit;
                advice.cell = {x, y};
                advice.digit = board[x][y];
                advice.reason = findWrongDigit(with);
                return advice;
            }
        return stepOrNone(right);
    }
    if ((advice.reason = findWrongDigit(board))) {
        advice.kind = Advice::Kind::contradiction;
        return advice;
    }
    switch (solve(board).count) {
        case 0:
            advice.kind = Advice::Kind::contradiction;
            advice.reason = Contradiction{};  // no simple reason: the search finds no solution
            return advice;
        case 1: return stepOrNone(board);
        default: return advice;
    }
}

}  // namespace ninebox
