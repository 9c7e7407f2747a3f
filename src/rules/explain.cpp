// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/explain.h"

#include <algorithm>

#include "rules/units.h"

namespace ninebox {

namespace {

constexpr Technique kPlacing[] = {Technique::fullHouse, Technique::nakedSingle, Technique::hiddenSingle};

// The cells whose open digits a deduction rests on: whole units where a digit's absence counts.
CellSet readSet(const Deduction& d) {
    CellSet cells = CellSet::of(cellIndex(d.target));
    if (d.technique == Technique::forcingChain) {
        // Its naked singles read their cells, its hidden singles their units (d.units).
        if (d.contradiction.kind == Contradiction::Kind::noSolution) return ~CellSet();
        if (d.contradiction.kind == Contradiction::Kind::noDigit) cells.add(cellIndex(d.contradiction.cell));
    }
    for (const Cell& c : d.forcing) cells.add(cellIndex(c));
    switch (d.technique) {
        case Technique::nakedSingle:
        case Technique::nakedPair:
        case Technique::nakedTriple:
        case Technique::nakedQuad:
        case Technique::xyWing:
        case Technique::xyzWing:
        case Technique::uniqueRectangle:
        case Technique::xyChain: return cells;
        default:
            for (const Unit& u : d.units) cells |= unitTables().unitSet[unitIndex(u)];
            return cells;
    }
}

// Keeps the eliminations that a later deduction needs, each aimed at the cell it matters in.
Explanation prune(std::vector<Deduction> found) {
    Explanation e;
    e.steps.push_back(found.back());
    CellSet needed = readSet(found.back());
    const Cell placed = found.back().target;
    for (int k = static_cast<int>(found.size()) - 2; k >= 0; --k) {
        Deduction& d = found[k];
        const auto in = [&](const Elimination& x) { return needed.has(cellIndex(x.cell)); };
        const auto at = [&](const Elimination& x) { return x.cell == placed; };
        auto hit = std::find_if(d.eliminations.begin(), d.eliminations.end(), at);
        if (hit == d.eliminations.end()) hit = std::find_if(d.eliminations.begin(), d.eliminations.end(), in);
        if (hit == d.eliminations.end()) continue;
        if (d.technique != Technique::forcingChain) d.target = hit->cell;
        needed |= readSet(d);
        e.steps.insert(e.steps.begin(), d);
    }
    return e;
}

std::string cellName(Cell c) { return "r" + std::to_string(c.y) + "c" + std::to_string(c.x); }

std::string unitName(Unit u) {
    static const char* const kinds[] = {"row ", "column ", "box "};
    return kinds[static_cast<int>(u.kind)] + std::to_string(u.index);
}

std::string digitsName(Digits digits) {
    std::string text;
    for (; digits; digits &= digits - 1)
        text += (text.empty() ? "" : "/") + std::to_string(lowestDigit(digits));
    return text;
}

template <typename T, typename Name>
std::string list(const std::vector<T>& items, Name name) {
    std::string text;
    for (const T& item : items) text += (text.empty() ? "" : ", ") + name(item);
    return text;
}

std::string contradictionText(const Contradiction& c) {
    switch (c.kind) {
        case Contradiction::Kind::clash:
            return unitName(c.unit) + " would hold " + std::to_string(c.digit) + " twice";
        case Contradiction::Kind::noDigit: return cellName(c.cell) + " could hold no digit";
        case Contradiction::Kind::noPlace:
            return unitName(c.unit) + " would have no place for " + std::to_string(c.digit);
        case Contradiction::Kind::noSolution: break;
    }
    return "the puzzle would have no solution";
}

}  // namespace

std::optional<Explanation> explainStep(const Grid& board) { return explainStep(candidateGrid(board)); }

std::optional<Explanation> explainStep(CandidateGrid g) {
    if (g.emptyCells().empty() || findContradiction(g)) return std::nullopt;
    std::vector<Deduction> found;
    // Every round takes at least one of the at most 729 open digits away.
    for (int round = 0; round <= 729; ++round) {
        for (const Technique t : kPlacing)
            if (auto d = find(t, g)) {
                found.push_back(*d);
                return prune(std::move(found));
            }
        std::optional<Deduction> d;
        for (int t = static_cast<int>(Technique::pointing); t < kTechniques && !d; ++t)
            d = find(static_cast<Technique>(t), g);
        if (!d) return std::nullopt;
        apply(*d, g);
        found.push_back(*d);
        if (findContradiction(g)) return std::nullopt;
    }
    return std::nullopt;
}

std::optional<Contradiction> findWrongDigit(const Grid& board) {
    if (const auto clash = findClash(board))
        return Contradiction{Contradiction::Kind::clash, {}, clash->unit, clash->digit};
    return findContradiction(candidateGrid(board));
}

std::string describe(const Deduction& d) {
    const std::string name(techniqueName(d.technique));
    const std::string digit = std::to_string(d.placed);
    switch (d.technique) {
        case Technique::fullHouse:
            return name + ": " + cellName(d.target) + " is the last empty cell of " +
                   unitName(d.units.front()) + ", so it holds " + digit;
        case Technique::nakedSingle: return name + ": " + cellName(d.target) + " can hold only " + digit;
        case Technique::hiddenSingle:
            return name + ": in " + unitName(d.units.front()) + ", " + digit + " fits only in " +
                   cellName(d.target);
        case Technique::forcingChain: {
            std::string text =
                name + ": if " + cellName(d.forcing.front()) + " held " + std::to_string(d.chain.front());
            for (std::size_t k = 1; k < d.forcing.size(); ++k)
                text +=
                    (k == 1 ? ", then " : ", ") + cellName(d.forcing[k]) + "=" + std::to_string(d.chain[k]);
            return text + (d.forcing.size() > 1 ? ", and " : ", ") + contradictionText(d.contradiction) +
                   "; so " + cellName(d.target) + " cannot hold " + std::to_string(d.chain.front());
        }
        default: break;
    }
    std::string text = name + " on " + digitsName(d.digits);
    if (!d.units.empty()) text += " in " + list(d.units, unitName);
    text += " (" + list(d.forcing, cellName) + "): removes ";
    return text + list(d.eliminations, [](const Elimination& e) {
               return std::to_string(e.digit) + " from " + cellName(e.cell);
           });
}

std::string describe(const Explanation& e) {
    std::string text;
    for (const Deduction& d : e.steps) text += (text.empty() ? "" : "; then ") + describe(d);
    return text;
}

}  // namespace ninebox
