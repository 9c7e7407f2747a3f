// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/units.h"

#include <array>

namespace ninebox {

namespace {

// A unit is complete when each digit 1..9 stands in it; cell(i) gives its i-th value.
template <typename Cell>
bool complete(Cell cell) {
    std::array<bool, 10> seen{};
    for (int i = 0; i < 9; ++i) {
        const int v = cell(i);
        if (v >= 1 && v <= 9) seen[static_cast<std::size_t>(v)] = true;
    }
    for (std::size_t n = 1; n <= 9; ++n)
        if (!seen[n]) return false;
    return true;
}

}  // namespace

bool allUnitsComplete(const Grid& g) {
    for (int k = 1; k <= 9; ++k) {
        if (!complete([&](int i) { return g[k][i + 1]; })) return false;
        if (!complete([&](int i) { return g[i + 1][k]; })) return false;
    }
    for (int bx = 1; bx <= 7; bx += 3)
        for (int by = 1; by <= 7; by += 3)
            if (!complete([&](int i) { return g[bx + i / 3][by + i % 3]; })) return false;
    return true;
}

bool seesDigit(const Grid& g, int x, int y, int n) {
    const int bx = 3 * ((x - 1) / 3) + 1, by = 3 * ((y - 1) / 3) + 1;
    for (int i = 1; i <= 9; ++i) {
        const int cx = bx + (i - 1) % 3, cy = by + (i - 1) / 3;
        if ((i != y && g[x][i] == n) || (i != x && g[i][y] == n) || ((cx != x || cy != y) && g[cx][cy] == n))
            return true;
    }
    return false;
}

bool hasClash(const Grid& g) {
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (g[x][y] >= 1 && g[x][y] <= 9 && seesDigit(g, x, y, g[x][y])) return true;
    return false;
}

CellFlags clashingCells(const Grid& g) {
    CellFlags clashing{};
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            clashing[x][y] = g[x][y] >= 1 && g[x][y] <= 9 && seesDigit(g, x, y, g[x][y]);
    return clashing;
}

std::optional<Clash> findClash(const Grid& g) {
    for (const UnitKind kind : {UnitKind::row, UnitKind::column, UnitKind::box})
        for (int k = 1; k <= 9; ++k) {
            std::array<int, 10> seen{};
            for (int i = 0; i < 9; ++i) {
                const int x = kind == UnitKind::row      ? i + 1
                              : kind == UnitKind::column ? k
                                                         : (k - 1) % 3 * 3 + i % 3 + 1;
                const int y = kind == UnitKind::row      ? k
                              : kind == UnitKind::column ? i + 1
                                                         : (k - 1) / 3 * 3 + i / 3 + 1;
                const int v = g[x][y];
                if (v >= 1 && v <= 9) ++seen[static_cast<std::size_t>(v)];
            }
            for (int n = 1; n <= 9; ++n)
                if (seen[static_cast<std::size_t>(n)] > 1) return Clash{n, Unit{kind, k}};
        }
    return std::nullopt;
}

bool solves(const Grid& solution, const Grid& puzzle) {
    if (!allUnitsComplete(solution)) return false;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if (puzzle[x][y] > 0 && puzzle[x][y] != solution[x][y]) return false;
    return true;
}

}  // namespace ninebox
