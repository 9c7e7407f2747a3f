// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The solving techniques a player uses, one finder each, over a candidate grid. A finder
// returns the first instance it meets (units in order, then cells in row order, digits from 1
// up), or none. Placing techniques place a digit; the others return an instance only when it
// takes at least one open digit away, so that applying it is always progress.
//
// Every technique is sound on a grid whose open digits include the solution's, as long as
// the solution is unique: the unique rectangle relies on that, and a forcing chain only
// concludes where the assumption leads to a contradiction.

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "rules/candidategrid.h"
#include "rules/units.h"

namespace ninebox {

// In the order of the ladder, easiest first (the two quads share a rung).
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
    simpleColouring,  // a digit's conjugate pairs coloured in turn: a colour that sees itself is
                      // false, and a cell that sees both colours loses the digit
    uniqueRectangle,  // type 1: three corners hold the same two digits alone, so the fourth
                      // cannot take either, or the puzzle would have two solutions
    xyChain,          // two-digit cells linked head to tail: the chain's ends hold z between them
    forcingChain,     // a digit assumed in a cell leads by singles to a contradiction
};
constexpr int kTechniques = 20;

// English, for the command line and the tools ("Hidden single"); the window names them itself.
std::string_view techniqueName(Technique t);
inline bool isSingle(Technique t) { return t <= Technique::hiddenSingle; }

struct Elimination {
    Cell cell;
    int digit = 0;
    bool operator==(const Elimination& other) const { return cell == other.cell && digit == other.digit; }
};

// One application of a technique and its reason.
struct Deduction {
    Technique technique = Technique::fullHouse;
    Digits digits = 0;  // the digit or digits it reasons about
    // The cell that takes `placed`; for a step that only eliminates, the cell it takes a digit
    // from (in an explanation, the one the next step needs).
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
// Preferably in a cell where every digit but one fails, the fewer digits the better, so that
// the chains lead straight to a placement; else the shortest chain anywhere. When no
// assumption meets a contradiction by singles, it names a digit that the exact solver shows
// leads to no solution (contradiction kind noSolution), so that a puzzle with a unique
// solution is never left without a step.
std::optional<Deduction> findForcingChain(const CandidateGrid& g);

// The finder of t.
std::optional<Deduction> find(Technique t, const CandidateGrid& g);

// The deduction's eliminations taken away, its digit placed.
void apply(const Deduction& d, CandidateGrid& g);

}  // namespace ninebox
