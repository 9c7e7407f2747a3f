// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/solver.h"

#include <cstdint>

namespace ninebox {

namespace {

struct State {
    std::array<std::uint16_t, 81> cand;  // a solved cell holds its digit's bit alone
    std::array<std::uint16_t, 27> placed{};
    CellSet open = ~CellSet();  // unsolved cells
    int left = 81;
};

struct Pending {  // cells whose last digit is open, waiting to be placed
    std::array<std::int8_t, 96> cells;
    int size = 0;
    void push(int i) { cells[size++] = static_cast<std::int8_t>(i); }
};

class Search {
public:
    Search(int limit, Grid* first) : limit_(limit), first_(first) {}

    int run(const CandidateGrid& g) {
        State s;
        for (int i = 0; i < 81; ++i)
            s.cand[i] = static_cast<std::uint16_t>(g.digit[i] ? kAllDigits : g.open[i]);
        Pending pending;
        for (int i = 0; i < 81; ++i)
            if (g.digit[i]) {
                const unsigned bit = digitBit(g.digit[i]);
                if (!(s.cand[i] & bit) || !assign(s, i, bit, pending)) return 0;
            }
        for (const int i : s.open) {
            const unsigned c = s.cand[i];
            if (!c) return 0;
            if (!(c & (c - 1))) pending.push(i);
        }
        search(s, pending);
        return count_;
    }

private:
    static bool assign(State& s, int i, unsigned bit, Pending& pending) {
        const UnitTables& t = unitTables();
        s.cand[i] = static_cast<std::uint16_t>(bit);
        s.open.remove(i);
        --s.left;
        for (const std::int8_t u : t.units[i]) s.placed[u] = static_cast<std::uint16_t>(s.placed[u] | bit);
        for (const std::int8_t p : t.peers[i]) {
            if (!(s.cand[p] & bit)) continue;
            if (!s.open.has(p)) return false;  // the same digit twice in a unit
            const unsigned c = s.cand[p] & ~bit;
            s.cand[p] = static_cast<std::uint16_t>(c);
            if (!c) return false;
            if (!(c & (c - 1))) pending.push(p);
        }
        return true;
    }

    // Naked and hidden singles until neither is left; false on a contradiction.
    static bool propagate(State& s, Pending& pending) {
        const UnitTables& t = unitTables();
        for (;;) {
            while (pending.size) {
                const int i = pending.cells[--pending.size];
                if (s.open.has(i) && !assign(s, i, s.cand[i], pending)) return false;
            }
            if (!s.left) return true;
            bool placed = false;
            for (int u = 0; u < 27; ++u) {
                unsigned once = 0, twice = 0;
                for (const std::int8_t i : t.cells[u]) {
                    twice |= once & s.cand[i];
                    once |= s.cand[i];
                }
                if (once != kAllDigits) return false;
                for (unsigned hidden = once & ~twice & ~unsigned{s.placed[u]}; hidden; hidden &= hidden - 1) {
                    const unsigned bit = hidden & (~hidden + 1);
                    int at = -1;
                    for (const std::int8_t i : t.cells[u])
                        if (s.cand[i] & bit) at = i;
                    // Two digits with one place each, and it is the same cell: no room for both.
                    if (at < 0 || !s.open.has(at)) return false;
                    if (!assign(s, at, bit, pending)) return false;
                    placed = true;
                }
            }
            if (!placed && !pending.size) return true;
        }
    }

    void search(State& s, Pending& pending) {
        if (!propagate(s, pending)) return;
        if (!s.left) {
            if (++count_ == 1 && first_)
                for (int i = 0; i < 81; ++i)
                    (*first_)[i % 9 + 1][i / 9 + 1] = static_cast<std::int16_t>(lowestDigit(s.cand[i]));
            return;
        }
        int best = -1, fewest = 10;
        for (const int i : s.open) {
            const int n = digitCount(s.cand[i]);
            if (n < fewest) {
                best = i, fewest = n;
                if (n == 2) break;
            }
        }
        for (unsigned c = s.cand[best]; c && count_ < limit_;) {
            const unsigned bit = c & (~c + 1);
            c &= c - 1;
            Pending next;
            if (!c) {  // the last digit to try: this state is not needed any more
                if (assign(s, best, bit, next)) search(s, next);
                return;
            }
            State branch = s;
            if (assign(branch, best, bit, next)) search(branch, next);
        }
    }

    int limit_;
    Grid* first_;
    int count_ = 0;
};

}  // namespace

int countSolutions(const CandidateGrid& g, int limit, Grid* first) {
    return Search(limit < 1 ? 1 : limit, first).run(g);
}

Solutions solve(const Grid& puzzle) {
    CandidateGrid g;
    for (int i = 0; i < 81; ++i) {
        const Cell c = cellAt(i);
        const int v = puzzle[c.x][c.y];
        if (v < 0 || v > 9) return {};
        g.digit[i] = static_cast<std::int8_t>(v);
        g.open[i] = v ? 0 : kAllDigits;
    }
    Solutions result;
    result.count = countSolutions(g, 2, &result.first);
    if (!result.count) result.first = Grid{};
    return result;
}

}  // namespace ninebox
