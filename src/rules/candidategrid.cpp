// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/candidategrid.h"

namespace ninebox {

namespace {

UnitTables buildTables() {
    UnitTables t{};
    for (int i = 0; i < 81; ++i) {
        t.units[i] = {static_cast<std::int8_t>(rowOf(i)), static_cast<std::int8_t>(columnOf(i)),
                      static_cast<std::int8_t>(boxOf(i))};
        for (const std::int8_t u : t.units[i]) t.unitSet[u].add(i);
    }
    for (int u = 0; u < 27; ++u) {
        int k = 0;
        for (const int i : t.unitSet[u]) t.cells[u][k++] = static_cast<std::int8_t>(i);
    }
    for (int i = 0; i < 81; ++i) {
        for (const std::int8_t u : t.units[i]) t.peerSet[i] |= t.unitSet[u];
        t.peerSet[i].remove(i);
        int k = 0;
        for (const int p : t.peerSet[i]) t.peers[i][k++] = static_cast<std::int8_t>(p);
    }
    return t;
}

}  // namespace

const UnitTables& unitTables() {
    static const UnitTables tables = buildTables();
    return tables;
}

CellSet CandidateGrid::cellsWith(int n) const {
    CellSet s;
    const Digits bit = digitBit(n);
    for (int i = 0; i < 81; ++i)
        if (open[i] & bit) s.add(i);
    return s;
}

CellSet CandidateGrid::emptyCells() const {
    CellSet s;
    for (int i = 0; i < 81; ++i)
        if (!digit[i]) s.add(i);
    return s;
}

void CandidateGrid::place(int i, int n) {
    digit[i] = static_cast<std::int8_t>(n);
    open[i] = 0;
    for (const std::int8_t p : unitTables().peers[i]) open[p] &= ~digitBit(n);
}

CandidateGrid candidateGrid(const Grid& board) {
    CandidateGrid g;
    std::array<Digits, 27> placed{};
    for (int i = 0; i < 81; ++i) {
        const Cell c = cellAt(i);
        const int v = board[c.x][c.y];
        if (v < 1 || v > 9) continue;
        g.digit[i] = static_cast<std::int8_t>(v);
        for (const std::int8_t u : unitTables().units[i]) placed[u] |= digitBit(v);
    }
    for (int i = 0; i < 81; ++i) {
        const auto& u = unitTables().units[i];
        if (!g.digit[i]) g.open[i] = kAllDigits & ~(placed[u[0]] | placed[u[1]] | placed[u[2]]);
    }
    return g;
}

std::optional<Contradiction> findContradiction(const CandidateGrid& g) {
    using Kind = Contradiction::Kind;
    for (int i = 0; i < 81; ++i)
        if (!g.digit[i] && !g.open[i]) return Contradiction{Kind::noDigit, cellAt(i), {}, 0};
    for (int u = 0; u < 27; ++u) {
        Digits placed = 0, open = 0;
        for (const std::int8_t i : unitTables().cells[u]) {
            if (g.digit[i]) placed |= digitBit(g.digit[i]);
            open |= g.open[i];
        }
        if (const Digits lost = kAllDigits & ~placed & ~open)
            return Contradiction{Kind::noPlace, {}, unitAt(u), lowestDigit(lost)};
    }
    return std::nullopt;
}

}  // namespace ninebox
