#include "game/game.h"
#include "rules/units.h"

namespace ninebox {

// "won?": judges the board alone, whether or not it matches the answers.
void Game::checkSolved() { s_.solved = allUnitsComplete(s_.board); }

bool Game::answersValid() const { return allUnitsComplete(s_.answer); }

// Givens are never cleared: a given that disagrees with the answers could never be filled
// again in play.
void Game::removeWrongAnswers() {
    if (answersValid()) {
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y)
                if (!s_.given(x, y) && s_.board[x][y] != s_.answer[x][y]) s_.board[x][y] = 0;
    }
    redraw();
}

// Fills the board by two rules, pass after pass, each pass working on the map built at its
// start: a cell that sees eight distinct digits takes the ninth; a digit with one place
// left in a box goes there. Every placement fills a cell that was empty, so the passes end.
// A digit that already stands in the cell's row, column or box is never written: the board
// holds a contradiction (clashing givens, a wrong entry) and Cheat stops there.
void Game::cheat() {
    if (s_.mode == Mode::edit) return;
    bool changed = true, stopped = false;
    const auto place = [&](int x, int y, std::int16_t n) {
        if (stopped || (stopped = seesDigit(s_.board, x, y, n))) return;
        s_.board[x][y] = n;
        changed = true;
    };
    s_.modeBeforeCheat = s_.mode;
    while (changed && !stopped) {
        mapMode();
        changed = false;
        for (std::int16_t n = 1; n <= 9; ++n)
            for (int bx = 1; bx <= 7; bx += 3)
                for (int by = 1; by <= 7; by += 3) {
                    int places = 0, px = 0, py = 0;
                    for (int i = 0; i <= 2; ++i)
                        for (int j = 0; j <= 2; ++j) {
                            const int x = bx + i, y = by + j;
                            if (s_.candidates[x][y][n] == 8) place(x, y, n);
                            if (s_.candidates[x][y][n] != 1) {
                                ++places;
                                px = x;
                                py = y;
                            }
                        }
                    if (places == 1) place(px, py, n);
                }
    }
    if (stopped) buildCandidateMap();  // the last pass's map no longer matches the board
    if (s_.modeBeforeCheat == Mode::play) playMode();
    redraw();
}

void Game::toggleScore() {
    toggleCheck(Item::showScore);
    redraw();
}

void Game::toggleKanji() {
    toggleCheck(Item::kanji);
    s_.kanji = s_.checked(Item::kanji);
    redraw();
}

}  // namespace ninebox
