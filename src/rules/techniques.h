// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// One finder per technique: the first instance met (units in order, cells in row order, digits
// from 1 up), and for one that does not place, only when it takes an open digit away. All are
// sound while the open digits include those of a unique solution.

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "rules/candidategrid.h"
#include "rules/units.h"

namespace ninebox {

// The ladder, easiest first (the two quads share a rung).
enum class Technique : std::uint8_t {
    fullHouse,     // the last empty cell of a unit takes the missing digit
    nakedSingle,   // a cell with one digit open
    hiddenSingle,  // a digit with one place open in a unit
    pointing,      // a digit's places in a box all lie in one row or column: not elsewhere there
    claiming,      // a digit's places in a row or column all lie in one box: not elsewhere there
    nakedPair,     // n cells of a unit with n digits open between them: not elsewhere in the unit
    hiddenPair,    // n digits of a unit with n places between them: nothing else in those cells
    nakedTriple,
    hiddenTriple,
    xWing,   // a digit's places in n rows lie in n columns: not elsewhere in those columns
    xyWing,  // pivot xy, pincers xz and yz that see it: z not where both pincers see
    swordfish,
    xyzWing,  // pivot xyz, pincers xz and yz that see it: z not where all three see
    nakedQuad,
    hiddenQuad,
    jellyfish,
    simpleColouring,  // coloured conjugate pairs: a colour seeing itself loses it, as does a cell seeing both
    uniqueRectangle,  // type 1: three corners hold the same two digits alone: the fourth takes neither
    xyChain,          // two-digit cells linked head to tail: the chain's ends hold z between them
    forcingChain,     // a digit assumed in a cell leads by singles to a contradiction
};
constexpr int kTechniques = 20;

std::string_view techniqueName(Technique t);  // English: "Hidden single"
inline bool isSingle(Technique t) { return t <= Technique::hiddenSingle; }

struct Elimination {
    Cell cell;
    int digit = 0;
    bool operator==(const Elimination& other) const { return cell == other.cell && digit == other.digit; }
};

struct Deduction {
    Technique technique = Technique::fullHouse;
    Digits digits = 0;  // the digit or digits it reasons about
    // The cell that takes `placed`, else one it takes a digit from (the one the next step needs).
    Cell target;
    int placed = 0;             // 0 when it only eliminates
    std::vector<Cell> forcing;  // the cells that force it (a chain's cells in chain order)
    std::vector<Unit> units;    // the units it works in
    std::vector<Elimination> eliminations;
    // Forcing chain only: chain[k] is the digit forcing[k] would take, forcing[0] holding the
    // assumed digit, and the chain ends in `contradiction`.
    std::vector<int> chain;
    Contradiction contradiction;
};

std::optional<Deduction> findFullHouse(const CandidateGrid& g);
std::optional<Deduction> findNakedSingle(const CandidateGrid& g);
std::optional<Deduction> findHiddenSingle(const CandidateGrid& g);  // boxes first, then rows and columns
std::optional<Deduction> findPointing(const CandidateGrid& g);
std::optional<Deduction> findClaiming(const CandidateGrid& g);
std::optional<Deduction> findNakedSubset(const CandidateGrid& g, int size);   // 2, 3 or 4
std::optional<Deduction> findHiddenSubset(const CandidateGrid& g, int size);  // 2, 3 or 4
std::optional<Deduction> findFish(const CandidateGrid& g, int size);          // X-wing, swordfish, jellyfish
std::optional<Deduction> findXyWing(const CandidateGrid& g);
std::optional<Deduction> findXyzWing(const CandidateGrid& g);
std::optional<Deduction> findSimpleColouring(const CandidateGrid& g);
std::optional<Deduction> findUniqueRectangle(const CandidateGrid& g);
std::optional<Deduction> findXyChain(const CandidateGrid& g);
// Preferably in a cell where every digit but one fails; else the shortest chain. When singles
// refute no assumption, a digit the solver refutes (noSolution): a unique puzzle always has a step.
std::optional<Deduction> findForcingChain(const CandidateGrid& g);

std::optional<Deduction> find(Technique t, const CandidateGrid& g);

void apply(const Deduction& d, CandidateGrid& g);

}  // namespace ninebox
