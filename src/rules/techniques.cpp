// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/techniques.h"

#include <array>

#include "rules/solver.h"

namespace ninebox {

namespace {

const UnitTables& tables() { return unitTables(); }

int singlesUnit(int k) { return (k + 18) % 27; }  // boxes first, then rows, then columns

Deduction make(Technique t, Digits digits) {
    Deduction d;
    d.technique = t;
    d.digits = digits;
    return d;
}

Deduction placement(Technique t, int cell, int n) {
    Deduction d = make(t, digitBit(n));
    d.target = cellAt(cell);
    d.placed = n;
    return d;
}

std::vector<Cell> cellsOf(CellSet s) {
    std::vector<Cell> cells;
    for (const int i : s) cells.push_back(cellAt(i));
    return cells;
}

// The open digits among `digits` taken from `cells`; the first becomes the target.
bool eliminate(Deduction& d, const CandidateGrid& g, CellSet cells, Digits digits) {
    for (const int i : cells)
        for (Digits m = g.open[i] & digits; m; m &= m - 1)
            d.eliminations.push_back({cellAt(i), lowestDigit(m)});
    if (!d.eliminations.empty()) d.target = d.eliminations.front().cell;
    return !d.eliminations.empty();
}

std::array<CellSet, 10> positions(const CandidateGrid& g) {
    std::array<CellSet, 10> p;
    for (int i = 0; i < 81; ++i)
        for (Digits m = g.open[i]; m; m &= m - 1) p[lowestDigit(m)].add(i);
    return p;
}

Digits placedIn(const CandidateGrid& g, int u) {
    Digits placed = 0;
    for (const std::int8_t i : tables().cells[u])
        if (g.digit[i]) placed |= digitBit(g.digit[i]);
    return placed;
}

// A filled cell holding n among the units of cell i other than `except` (-1: any), preferring
// its row, then its column, then its box.
int holderOf(const CandidateGrid& g, int i, int n, int except) {
    for (const std::int8_t u : tables().units[i])
        if (u != except)
            for (const std::int8_t p : tables().cells[u])
                if (g.digit[p] == n) return p;
    return -1;
}

void addUnit(Deduction& d, int u) {
    for (const Unit& known : d.units)
        if (known == unitAt(u)) return;
    d.units.push_back(unitAt(u));
}

void addForcing(Deduction& d, int cell) {
    const Cell c = cellAt(cell);
    for (const Cell& f : d.forcing)
        if (f == c) return;
    d.forcing.push_back(c);
}

// found(picked, union) for each choice of `size` masks of 2..size bits whose union has `size`
// bits, until it returns true: naked and hidden subsets and fish alike.
template <typename Found>
bool chooseSubset(const std::array<unsigned, 9>& masks, int size, Found& found, int from = 0, int depth = 0,
                  unsigned all = 0, std::array<int, 4> picked = {}) {
    if (depth >= size || depth >= 4) return depth == size && found(picked, all);
    for (int k = from; k < 9; ++k) {
        const int n = digitCount(masks[k]);
        const unsigned next = all | masks[k];
        if (n < 2 || n > size || digitCount(next) > size) continue;
        picked[depth] = k;
        if (chooseSubset(masks, size, found, k + 1, depth + 1, next, picked)) return true;
    }
    return false;
}

Technique subsetTechnique(bool naked, int size) {
    if (size == 2) return naked ? Technique::nakedPair : Technique::hiddenPair;
    if (size == 3) return naked ? Technique::nakedTriple : Technique::hiddenTriple;
    return naked ? Technique::nakedQuad : Technique::hiddenQuad;
}

class Trial {  // a forcing chain's assumption followed by singles, remembering why each digit went
public:
    explicit Trial(const CandidateGrid& g) : start_(g), g_(g) {
        for (auto& r : removedBy_) r.fill(-1);
        filledBy_.fill(-1);
    }

    bool run(int cell, int n) {  // true when assuming n in cell leads to a contradiction
        if (!place(cell, n, -2)) return true;
        const UnitTables& t = tables();
        for (;;) {
            while (pendingSize_) {
                const int i = pending_[--pendingSize_];
                if (!g_.digit[i] && !place(i, lowestDigit(g_.open[i]), -1)) return true;
            }
            bool placed = false;
            for (int u = 0; u < 27; ++u) {
                Digits once = 0, twice = 0, filled = 0;
                for (const std::int8_t i : t.cells[u]) {
                    twice |= once & g_.open[i];
                    once |= g_.open[i];
                    if (g_.digit[i]) filled |= digitBit(g_.digit[i]);
                }
                if (const Digits lost = kAllDigits & ~filled & ~once)
                    return fail(Contradiction::Kind::noPlace, -1, u, lost);
                for (Digits hidden = once & ~twice; hidden; hidden &= hidden - 1) {
                    const int d = lowestDigit(hidden);
                    int at = -1;
                    for (const std::int8_t i : t.cells[u])
                        if (g_.open[i] & digitBit(d)) at = i;
                    if (at < 0) return fail(Contradiction::Kind::noPlace, -1, u, digitBit(d));
                    if (!place(at, d, u)) return true;
                    placed = true;
                }
            }
            if (!placed && !pendingSize_) return false;
        }
    }

    void explain(Deduction& d) const {  // the placements the contradiction rests on, in order
        std::array<bool, 81> needed{};
        mark(end_.kind == Contradiction::Kind::noDigit ? cellIndex(end_.cell) : -1,
             end_.kind == Contradiction::Kind::noPlace ? unitIndex(end_.unit) : -1, end_.digit, 81, needed);
        for (int k = size_ - 1; k >= 0; --k)
            if (needed[k]) {
                const Step& s = steps_[k];
                mark(s.unit < 0 ? s.cell : -1, s.unit, s.digit, k, needed);
            }
        needed[0] = true;
        for (int k = 0; k < size_; ++k)
            if (needed[k]) {
                const Step& s = steps_[k];
                d.forcing.push_back(cellAt(s.cell));
                d.chain.push_back(s.digit);
                if (s.unit >= 0) addUnit(d, s.unit);
            }
        d.contradiction = end_;
        if (end_.kind == Contradiction::Kind::noPlace) addUnit(d, unitIndex(end_.unit));
    }

private:
    struct Step {
        int cell, digit, unit;  // unit: a hidden single's; -1 a naked single; -2 the assumption
    };

    bool place(int i, int n, int unit) {
        const int k = size_++;
        steps_[k] = {i, n, unit};
        filledBy_[i] = static_cast<std::int8_t>(k);
        g_.digit[i] = static_cast<std::int8_t>(n);
        g_.open[i] = 0;
        for (const std::int8_t p : tables().peers[i]) {
            if (!(g_.open[p] & digitBit(n))) continue;
            g_.open[p] &= ~digitBit(n);
            removedBy_[p][n - 1] = static_cast<std::int8_t>(k);
            if (!g_.open[p]) {
                fail(Contradiction::Kind::noDigit, p, -1, 0);
                return false;
            }
            if (digitCount(g_.open[p]) == 1) pending_[pendingSize_++] = static_cast<std::int8_t>(p);
        }
        return true;
    }

    bool fail(Contradiction::Kind kind, int cell, int unit, Digits digits) {
        end_.kind = kind;
        if (cell >= 0) end_.cell = cellAt(cell);
        if (unit >= 0) {
            end_.unit = unitAt(unit);
            end_.digit = lowestDigit(digits);
        }
        return true;
    }

    // The step before `before` that took n from cell i: the one filling it or taking n from its peers.
    int cause(int i, int n, int before) const {
        const int filled = filledBy_[i];
        const int removed = removedBy_[i][n - 1];
        if (removed >= 0 && removed < before) return removed;
        return filled >= 0 && filled < before ? filled : -1;
    }

    // Marks the steps that emptied cell (all its other digits gone) or left n one place in unit.
    void mark(int cell, int unit, int n, int before, std::array<bool, 81>& needed) const {
        const auto need = [&](int k) {
            if (k >= 0) needed[k] = true;
        };
        if (cell >= 0) {
            for (Digits m = start_.open[cell]; m; m &= m - 1)
                if (lowestDigit(m) != n) need(cause(cell, lowestDigit(m), before));
        } else if (unit >= 0) {
            const Cell at = before < size_ ? cellAt(steps_[before].cell) : Cell{};
            for (const std::int8_t i : tables().cells[unit])
                if (cellAt(i) != at && (start_.open[i] & digitBit(n))) need(cause(i, n, before));
        }
    }

    const CandidateGrid& start_;
    CandidateGrid g_;
    std::array<Step, 81> steps_{};
    int size_ = 0;
    std::array<std::array<std::int8_t, 9>, 81> removedBy_;
    std::array<std::int8_t, 81> filledBy_;
    std::array<std::int8_t, 96> pending_{};
    int pendingSize_ = 0;
    Contradiction end_;
};

}  // namespace

std::string_view techniqueName(Technique t) {
    static constexpr std::array<std::string_view, kTechniques> names = {
        "Full house", "Naked single",     "Hidden single",    "Pointing",      "Claiming",
        "Naked pair", "Hidden pair",      "Naked triple",     "Hidden triple", "X-wing",
        "XY-wing",    "Swordfish",        "XYZ-wing",         "Naked quad",    "Hidden quad",
        "Jellyfish",  "Simple colouring", "Unique rectangle", "XY-chain",      "Forcing chain"};
    return names[static_cast<std::size_t>(t)];
}

std::optional<Deduction> findFullHouse(const CandidateGrid& g) {
    for (int k = 0; k < 27; ++k) {
        const int u = singlesUnit(k);
        int empty = -1, count = 0;
        for (const std::int8_t i : tables().cells[u])
            if (!g.digit[i]) {
                empty = i;
                ++count;
            }
        const Digits missing = kAllDigits & ~placedIn(g, u);
        if (count != 1 || digitCount(missing) != 1 || !(g.open[empty] & missing)) continue;
        Deduction d = placement(Technique::fullHouse, empty, lowestDigit(missing));
        for (const std::int8_t i : tables().cells[u])
            if (i != empty) d.forcing.push_back(cellAt(i));
        d.units = {unitAt(u)};
        return d;
    }
    return std::nullopt;
}

std::optional<Deduction> findNakedSingle(const CandidateGrid& g) {
    for (int i = 0; i < 81; ++i) {
        if (g.digit[i] || digitCount(g.open[i]) != 1) continue;
        Deduction d = placement(Technique::nakedSingle, i, lowestDigit(g.open[i]));
        for (int n = 1; n <= 9; ++n) {
            const int holder = n == d.placed ? -1 : holderOf(g, i, n, -1);
            if (holder < 0) continue;
            addForcing(d, holder);
            for (const std::int8_t u : tables().units[i])
                if (tables().unitSet[u].has(holder)) {
                    addUnit(d, u);
                    break;
                }
        }
        return d;
    }
    return std::nullopt;
}

std::optional<Deduction> findHiddenSingle(const CandidateGrid& g) {
    const auto p = positions(g);
    for (int k = 0; k < 27; ++k) {
        const int u = singlesUnit(k);
        for (int n = 1; n <= 9; ++n) {
            const CellSet places = p[n] & tables().unitSet[u];
            if (places.count() != 1) continue;
            Deduction d = placement(Technique::hiddenSingle, places.first(), n);
            d.units = {unitAt(u)};
            for (const std::int8_t i : tables().cells[u])
                if (!g.digit[i] && i != places.first()) {
                    const int holder = holderOf(g, i, n, u);
                    if (holder >= 0) addForcing(d, holder);
                }
            return d;
        }
    }
    return std::nullopt;
}

namespace {

// A digit's places in one unit of first..last all inside another unit of theirs, which then
// holds it nowhere else: a box's into a line point, a line's into a box claim.
std::optional<Deduction> findLocked(const CandidateGrid& g, Technique technique, int first, int last) {
    const auto p = positions(g);
    for (int from = first; from < last; ++from)
        for (int n = 1; n <= 9; ++n) {
            const CellSet places = p[n] & tables().unitSet[from];
            if (places.count() < 2) continue;
            for (const int to : tables().units[places.first()]) {
                if (to == from || (places & ~tables().unitSet[to]) != CellSet()) continue;
                Deduction d = make(technique, digitBit(n));
                const CellSet rest = p[n] & tables().unitSet[to] & ~tables().unitSet[from];
                if (!eliminate(d, g, rest, digitBit(n))) continue;
                d.forcing = cellsOf(places);
                d.units = {unitAt(from), unitAt(to)};
                return d;
            }
        }
    return std::nullopt;
}

}  // namespace

std::optional<Deduction> findPointing(const CandidateGrid& g) {
    return findLocked(g, Technique::pointing, 18, 27);
}

std::optional<Deduction> findClaiming(const CandidateGrid& g) {
    return findLocked(g, Technique::claiming, 0, 18);
}

std::optional<Deduction> findNakedSubset(const CandidateGrid& g, int size) {
    std::optional<Deduction> result;
    for (int u = 0; u < 27 && !result; ++u) {
        const auto& cells = tables().cells[u];
        std::array<unsigned, 9> masks{};
        for (std::size_t k = 0; k < 9; ++k) masks[k] = g.open[cells[k]];
        auto found = [&](const std::array<int, 4>& picked, unsigned digits) {
            CellSet subset;
            for (int k = 0; k < size; ++k) subset.add(cells[picked[k]]);
            const CellSet others = tables().unitSet[u] & ~subset;
            Deduction d = make(subsetTechnique(true, size), digits);
            if (!eliminate(d, g, others, digits)) return false;
            d.forcing = cellsOf(subset);
            d.units = {unitAt(u)};
            result = d;
            return true;
        };
        chooseSubset(masks, size, found);
    }
    return result;
}

std::optional<Deduction> findHiddenSubset(const CandidateGrid& g, int size) {
    std::optional<Deduction> result;
    for (int u = 0; u < 27 && !result; ++u) {
        const auto& cells = tables().cells[u];
        std::array<unsigned, 9> masks{};  // digit n's places as bit k for cells[k]
        for (std::size_t k = 0; k < 9; ++k)
            for (Digits m = g.open[cells[k]]; m; m &= m - 1) masks[lowestDigit(m) - 1] |= 1u << k;
        auto found = [&](const std::array<int, 4>& picked, unsigned places) {
            Digits digits = 0;
            for (int k = 0; k < size; ++k) digits |= 1u << picked[k];
            CellSet subset;
            for (unsigned m = places; m; m &= m - 1) subset.add(cells[__builtin_ctz(m)]);
            Deduction d = make(subsetTechnique(false, size), digits);
            if (!eliminate(d, g, subset, kAllDigits & ~digits)) return false;
            d.forcing = cellsOf(subset);
            d.units = {unitAt(u)};
            result = d;
            return true;
        };
        chooseSubset(masks, size, found);
    }
    return result;
}

std::optional<Deduction> findFish(const CandidateGrid& g, int size) {
    const auto p = positions(g);
    const Technique technique = size == 2   ? Technique::xWing
                                : size == 3 ? Technique::swordfish
                                            : Technique::jellyfish;
    std::optional<Deduction> result;
    for (int n = 1; n <= 9 && !result; ++n)
        for (int base = 0; base <= 9 && !result; base += 9) {  // rows, then columns, as base lines
            const int cover = 9 - base;
            std::array<unsigned, 9> masks{};  // line k's places as bit j for cover line j
            for (int k = 0; k < 9; ++k)
                for (const int i : p[n] & tables().unitSet[base + k])
                    masks[k] |= 1u << (base == 0 ? i % 9 : i / 9);
            auto found = [&](const std::array<int, 4>& picked, unsigned covers) {
                CellSet baseCells, coverCells;
                Deduction d = make(technique, digitBit(n));
                for (int k = 0; k < size; ++k) {
                    const int line = base + picked[k];
                    baseCells |= tables().unitSet[line];
                    d.units.push_back(unitAt(line));
                }
                for (unsigned m = covers; m; m &= m - 1) {
                    coverCells |= tables().unitSet[cover + __builtin_ctz(m)];
                    d.units.push_back(unitAt(cover + __builtin_ctz(m)));
                }
                if (!eliminate(d, g, p[n] & coverCells & ~baseCells, digitBit(n))) return false;
                d.forcing = cellsOf(p[n] & baseCells);
                result = d;
                return true;
            };
            chooseSubset(masks, size, found);
        }
    return result;
}

std::optional<Deduction> findXyWing(const CandidateGrid& g) {
    const auto p = positions(g);
    CellSet pairs;
    for (int i = 0; i < 81; ++i)
        if (digitCount(g.open[i]) == 2) pairs.add(i);
    for (const int pivot : pairs) {
        const CellSet pincers = pairs & tables().peerSet[pivot];
        for (const int a : pincers) {
            const Digits shared = g.open[a] & g.open[pivot];
            if (digitCount(shared) != 1) continue;
            const Digits z = g.open[a] & ~shared, other = g.open[pivot] & ~shared;
            for (const int b : pincers) {
                if (g.open[b] != (other | z)) continue;
                Deduction d = make(Technique::xyWing, g.open[pivot] | z);
                const CellSet both = tables().peerSet[a] & tables().peerSet[b];
                if (!eliminate(d, g, p[lowestDigit(z)] & both, z)) continue;
                d.forcing = {cellAt(pivot), cellAt(a), cellAt(b)};
                return d;
            }
        }
    }
    return std::nullopt;
}

std::optional<Deduction> findXyzWing(const CandidateGrid& g) {
    const auto p = positions(g);
    for (int pivot = 0; pivot < 81; ++pivot) {
        const Digits all = g.open[pivot];
        if (digitCount(all) != 3) continue;
        for (const int a : tables().peerSet[pivot]) {
            if (digitCount(g.open[a]) != 2 || (g.open[a] & ~all)) continue;
            for (const int b : tables().peerSet[pivot]) {
                if (b <= a || digitCount(g.open[b]) != 2 || (g.open[a] | g.open[b]) != all) continue;
                const Digits z = g.open[a] & g.open[b];
                Deduction d = make(Technique::xyzWing, all);
                const CellSet seen = tables().peerSet[pivot] & tables().peerSet[a] & tables().peerSet[b];
                if (!eliminate(d, g, p[lowestDigit(z)] & seen, z)) continue;
                d.forcing = {cellAt(pivot), cellAt(a), cellAt(b)};
                return d;
            }
        }
    }
    return std::nullopt;
}

std::optional<Deduction> findSimpleColouring(const CandidateGrid& g) {
    const auto p = positions(g);
    for (int n = 1; n <= 9; ++n) {
        const CellSet places = p[n];
        std::array<CellSet, 81> linked{};  // conjugate partners: the only two places in a unit
        std::array<bool, 27> conjugate{};
        for (int u = 0; u < 27; ++u) {
            const CellSet two = places & tables().unitSet[u];
            if (two.count() != 2) continue;
            const int a = two.first(), b = (two & ~CellSet::of(a)).first();
            linked[a].add(b);
            linked[b].add(a);
            conjugate[u] = true;
        }
        CellSet done;
        for (const int start : places) {
            if (done.has(start) || linked[start].empty()) continue;
            std::array<CellSet, 2> colour;  // the cells of each colour, coloured in turn
            colour[0].add(start);
            for (CellSet frontier = CellSet::of(start); !frontier.empty();) {
                CellSet next;
                for (const int i : frontier) {
                    const std::size_t c = colour[0].has(i) ? 0 : 1;
                    const CellSet fresh = linked[i] & ~colour[0] & ~colour[1];
                    colour[1 - c] |= fresh;
                    next |= fresh;
                }
                frontier = next;
            }
            const CellSet chain = colour[0] | colour[1];
            done |= chain;
            std::array<CellSet, 2> seen;
            for (std::size_t c = 0; c < 2; ++c)
                for (const int i : colour[c]) seen[c] |= tables().peerSet[i];
            Deduction d = make(Technique::simpleColouring, digitBit(n));
            bool found = false;
            for (std::size_t c = 0; c < 2 && !found; ++c)  // a colour that sees itself is false
                found = !(seen[c] & colour[c]).empty() && eliminate(d, g, colour[c], digitBit(n));
            if (!found) found = eliminate(d, g, places & ~chain & seen[0] & seen[1], digitBit(n));
            if (!found) continue;
            d.forcing = cellsOf(colour[0]);
            for (const Cell& c : cellsOf(colour[1])) d.forcing.push_back(c);
            for (int u = 0; u < 27; ++u)
                if (conjugate[u] && !(tables().unitSet[u] & chain).empty()) d.units.push_back(unitAt(u));
            return d;
        }
    }
    return std::nullopt;
}

std::optional<Deduction> findUniqueRectangle(const CandidateGrid& g) {
    for (int r1 = 0; r1 < 9; ++r1)
        for (int r2 = r1 + 1; r2 < 9; ++r2)
            for (int c1 = 0; c1 < 9; ++c1)
                for (int c2 = c1 + 1; c2 < 9; ++c2) {
                    if ((r1 / 3 == r2 / 3) == (c1 / 3 == c2 / 3)) continue;  // two boxes exactly
                    const std::array<int, 4> corners = {r1 * 9 + c1, r1 * 9 + c2, r2 * 9 + c1, r2 * 9 + c2};
                    for (std::size_t odd = 0; odd < 4; ++odd) {
                        const Digits pair = g.open[corners[(odd + 1) % 4]];
                        bool matches = digitCount(pair) == 2;
                        for (std::size_t k = 0; k < 4 && matches; ++k)
                            matches = k == odd
                                          ? (g.open[corners[k]] & pair) == pair && g.open[corners[k]] != pair
                                          : g.open[corners[k]] == pair;
                        if (!matches) continue;
                        Deduction d = make(Technique::uniqueRectangle, pair);
                        eliminate(d, g, CellSet::of(corners[odd]), pair);
                        for (std::size_t k = 0; k < 4; ++k)
                            if (k != odd) d.forcing.push_back(cellAt(corners[k]));
                        return d;
                    }
                }
    return std::nullopt;
}

std::optional<Deduction> findXyChain(const CandidateGrid& g) {
    const auto p = positions(g);
    CellSet pairs;
    for (int i = 0; i < 81; ++i)
        if (digitCount(g.open[i]) == 2) pairs.add(i);
    for (const int start : pairs)
        for (Digits ends = g.open[start]; ends; ends &= ends - 1) {
            // If start does not hold z, it holds its other digit, and each linked cell in turn
            // its other one: a cell reached holding z closes the chain.
            const int z = lowestDigit(ends);
            std::array<int, 81> from{}, holds{};
            std::array<int, 81> queue{};
            int head = 0, tail = 0;
            CellSet reached = CellSet::of(start);
            queue[tail++] = start;
            holds[start] = lowestDigit(g.open[start] & ~digitBit(z));
            from[start] = -1;
            while (head < tail) {
                const int i = queue[head++];
                const Digits on = digitBit(holds[i]);
                const CellSet next = pairs & tables().peerSet[i] & ~reached;
                for (const int t : next) {
                    if (!(g.open[t] & on)) continue;
                    reached.add(t);
                    from[t] = i;
                    holds[t] = lowestDigit(g.open[t] & ~on);
                    queue[tail++] = t;
                    if (holds[t] != z) continue;
                    std::vector<Cell> chain;
                    CellSet members;
                    for (int c = t; c >= 0; c = from[c]) {
                        chain.insert(chain.begin(), cellAt(c));
                        members.add(c);
                    }
                    if (chain.size() < 3) continue;
                    Deduction d = make(Technique::xyChain, digitBit(z));
                    const CellSet both = tables().peerSet[start] & tables().peerSet[t] & ~members;
                    if (!eliminate(d, g, p[z] & both, digitBit(z))) continue;
                    d.forcing = chain;
                    return d;
                }
            }
        }
    return std::nullopt;
}

std::optional<Deduction> findForcingChain(const CandidateGrid& g) {
    std::optional<Deduction> decisive, best;
    const auto shorter = [](const Deduction& d, const std::optional<Deduction>& than) {
        return !than || d.forcing.size() < than->forcing.size();
    };
    for (int open = 2; open <= 9 && !decisive; ++open)
        for (int i = 0; i < 81; ++i) {
            if (digitCount(g.open[i]) != open) continue;
            std::optional<Deduction> shortest;
            int fails = 0;
            for (Digits m = g.open[i]; m; m &= m - 1) {
                Trial trial(g);
                if (!trial.run(i, lowestDigit(m))) continue;
                ++fails;
                Deduction d = make(Technique::forcingChain, m & (~m + 1));
                trial.explain(d);
                d.eliminations = {{cellAt(i), lowestDigit(m)}};
                d.target = cellAt(i);
                if (shorter(d, shortest)) shortest = d;
            }
            if (!shortest) continue;
            if (fails == open - 1 && shorter(*shortest, decisive)) decisive = shortest;
            if (shorter(*shortest, best)) best = shortest;
        }
    if (decisive) return decisive;
    if (best) return best;
    // Singles refute nothing: the search decides, fewest digits first, where it likeliest succeeds.
    for (int open = 2; open <= 9; ++open)
        for (int i = 0; i < 81; ++i) {
            if (digitCount(g.open[i]) != open) continue;
            for (Digits m = g.open[i]; m; m &= m - 1) {
                CandidateGrid assumed = g;
                assumed.place(i, lowestDigit(m));
                if (countSolutions(assumed, 1)) continue;
                Deduction d = make(Technique::forcingChain, m & (~m + 1));
                d.target = cellAt(i);
                d.forcing = {d.target};
                d.chain = {lowestDigit(m)};
                d.eliminations = {{d.target, lowestDigit(m)}};
                return d;
            }
        }
    return std::nullopt;
}

std::optional<Deduction> find(Technique t, const CandidateGrid& g) {
    switch (t) {
        case Technique::fullHouse: return findFullHouse(g);
        case Technique::nakedSingle: return findNakedSingle(g);
        case Technique::hiddenSingle: return findHiddenSingle(g);
        case Technique::pointing: return findPointing(g);
        case Technique::claiming: return findClaiming(g);
        case Technique::nakedPair: return findNakedSubset(g, 2);
        case Technique::hiddenPair: return findHiddenSubset(g, 2);
        case Technique::nakedTriple: return findNakedSubset(g, 3);
        case Technique::hiddenTriple: return findHiddenSubset(g, 3);
        case Technique::xWing: return findFish(g, 2);
        case Technique::xyWing: return findXyWing(g);
        case Technique::swordfish: return findFish(g, 3);
        case Technique::xyzWing: return findXyzWing(g);
        case Technique::nakedQuad: return findNakedSubset(g, 4);
        case Technique::hiddenQuad: return findHiddenSubset(g, 4);
        case Technique::jellyfish: return findFish(g, 4);
        case Technique::simpleColouring: return findSimpleColouring(g);
        case Technique::uniqueRectangle: return findUniqueRectangle(g);
        case Technique::xyChain: return findXyChain(g);
        case Technique::forcingChain: return findForcingChain(g);
    }
    return std::nullopt;
}

void apply(const Deduction& d, CandidateGrid& g) {
    for (const Elimination& e : d.eliminations) g.eliminate(cellIndex(e.cell), e.digit);
    if (d.placed) g.place(cellIndex(d.target), d.placed);
}

}  // namespace ninebox
