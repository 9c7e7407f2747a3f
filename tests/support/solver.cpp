#include "support/solver.h"

#include <array>

namespace ninebox::testing {

namespace {

struct Search {
    std::array<int, 81> cells{};
    std::array<unsigned, 9> rows{}, columns{}, boxes{};
    int limit = 2, found = 0;
    Grid* first = nullptr;

    static int box(int i) { return (i / 27) * 3 + (i % 9) / 3; }

    void place(int i, int d, bool on) {
        const unsigned bit = 1u << d;
        rows[i / 9] ^= bit;
        columns[i % 9] ^= bit;
        boxes[box(i)] ^= bit;
        cells[i] = on ? d + 1 : 0;
    }

    void run() {
        if (found >= limit) return;
        int best = -1;
        unsigned bestFree = 0;
        int bestCount = 10;
        for (int i = 0; i < 81; ++i) {
            if (cells[i]) continue;
            const unsigned free = ~(rows[i / 9] | columns[i % 9] | boxes[box(i)]) & 0x1FFu;
            const int count = __builtin_popcount(free);
            if (count < bestCount) {
                best = i;
                bestFree = free;
                bestCount = count;
            }
        }
        if (best < 0) {
            if (found++ == 0 && first)
                for (int i = 0; i < 81; ++i) (*first)[i % 9 + 1][i / 9 + 1] = static_cast<std::int16_t>(cells[i]);
            return;
        }
        for (int d = 0; d < 9; ++d)
            if (bestFree & (1u << d)) {
                place(best, d, true);
                run();
                place(best, d, false);
            }
    }
};

}  // namespace

int countSolutions(const Grid& puzzle, int limit, Grid* first) {
    Search s;
    s.limit = limit;
    s.first = first;
    for (int i = 0; i < 81; ++i) {
        const int v = puzzle[i % 9 + 1][i / 9 + 1];
        if (v == 0) continue;
        const unsigned bit = 1u << (v - 1);
        const int b = Search::box(i);
        if ((s.rows[i / 9] | s.columns[i % 9] | s.boxes[b]) & bit) return 0;
        s.place(i, v - 1, true);
    }
    s.run();
    return s.found;
}

}  // namespace ninebox::testing
