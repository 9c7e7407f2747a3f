// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// In the engine a cell is 0..80 in row order and a unit 0..26: rows, then columns, then boxes.

#include <array>
#include <cstdint>
#include <optional>

#include "rules/grid.h"
#include "rules/units.h"

namespace ninebox {

using Digits = unsigned;  // bit n - 1 for digit n, as in Notes
constexpr Digits kAllDigits = 0x1FF;
inline Digits digitBit(int n) { return 1u << (n - 1); }
// By table: baseline x86-64 has no popcount, and the library call costs more than a scan.
constexpr std::array<std::uint8_t, 512> kDigitCounts = [] {
    std::array<std::uint8_t, 512> counts{};
    for (std::size_t d = 1; d < 512; ++d) counts[d] = static_cast<std::uint8_t>(counts[d >> 1] + (d & 1));
    return counts;
}();
inline int digitCount(Digits d) { return kDigitCounts[d & kAllDigits]; }
inline int lowestDigit(Digits d) { return __builtin_ctz(d) + 1; }  // d must not be 0

inline Cell cellAt(int i) { return {i % 9 + 1, i / 9 + 1}; }
inline int cellIndex(Cell c) { return (c.y - 1) * 9 + c.x - 1; }
inline int rowOf(int i) { return i / 9; }
inline int columnOf(int i) { return 9 + i % 9; }
inline int boxOf(int i) { return 18 + i / 27 * 3 + i % 9 / 3; }
inline Unit unitAt(int u) { return {static_cast<UnitKind>(u / 9), u % 9 + 1}; }
inline int unitIndex(Unit u) { return static_cast<int>(u.kind) * 9 + u.index - 1; }

class CellSet {  // bit i for cell i
public:
    constexpr CellSet() = default;
    static CellSet of(int i) { return i < 64 ? CellSet(1ull << i, 0) : CellSet(0, 1ull << (i - 64)); }
    bool has(int i) const { return i < 64 ? (lo_ >> i) & 1 : (hi_ >> (i - 64)) & 1; }
    void add(int i) { *this |= of(i); }
    void remove(int i) { *this &= ~of(i); }
    bool empty() const { return (lo_ | hi_) == 0; }
    int count() const { return bits(lo_) + bits(hi_); }
    int first() const { return lo_ ? __builtin_ctzll(lo_) : 64 + __builtin_ctzll(hi_); }  // not empty
    CellSet operator&(CellSet o) const { return {lo_ & o.lo_, hi_ & o.hi_}; }
    CellSet operator|(CellSet o) const { return {lo_ | o.lo_, hi_ | o.hi_}; }
    CellSet operator~() const { return {~lo_, ~hi_ & ((1ull << 17) - 1)}; }
    CellSet& operator&=(CellSet o) { return *this = *this & o; }
    CellSet& operator|=(CellSet o) { return *this = *this | o; }
    bool operator==(CellSet o) const { return lo_ == o.lo_ && hi_ == o.hi_; }
    bool operator!=(CellSet o) const { return !(*this == o); }

    class Iterator {  // visits the cells in increasing order
    public:
        Iterator(std::uint64_t lo, std::uint64_t hi) : lo_(lo), hi_(hi) {}
        int operator*() const { return lo_ ? __builtin_ctzll(lo_) : 64 + __builtin_ctzll(hi_); }
        Iterator& operator++() {
            if (lo_) lo_ &= lo_ - 1;
            else hi_ &= hi_ - 1;
            return *this;
        }
        bool operator!=(const Iterator& o) const { return lo_ != o.lo_ || hi_ != o.hi_; }

    private:
        std::uint64_t lo_, hi_;
    };
    Iterator begin() const { return {lo_, hi_}; }
    Iterator end() const { return {0, 0}; }

private:
    constexpr CellSet(std::uint64_t lo, std::uint64_t hi) : lo_(lo), hi_(hi) {}
    static int bits(std::uint64_t v) {
        v -= (v >> 1) & 0x5555555555555555ull;
        v = (v & 0x3333333333333333ull) + ((v >> 2) & 0x3333333333333333ull);
        return static_cast<int>((((v + (v >> 4)) & 0x0F0F0F0F0F0F0F0Full) * 0x0101010101010101ull) >> 56);
    }
    std::uint64_t lo_ = 0, hi_ = 0;
};

struct UnitTables {
    std::array<std::array<std::int8_t, 9>, 27> cells;  // unit -> its cells in order
    std::array<std::array<std::int8_t, 3>, 81> units;  // cell -> its row, column and box
    std::array<std::array<std::int8_t, 20>, 81> peers;
    std::array<CellSet, 27> unitSet;
    std::array<CellSet, 81> peerSet;  // the cell itself left out
};
const UnitTables& unitTables();

struct CandidateGrid {
    std::array<std::int8_t, 81> digit{};  // 0 = empty
    std::array<Digits, 81> open{};        // what an empty cell may still take; 0 for a filled cell

    CellSet cellsWith(int n) const;  // the empty cells where digit n is open
    CellSet emptyCells() const;
    void place(int i, int n);  // n written into cell i and taken from its peers
    void eliminate(int i, int n) { open[i] &= ~digitBit(n); }
};

CandidateGrid candidateGrid(const Grid& board);  // by the basic rule; cells beyond 1..9 count as empty

struct Contradiction {
    enum class Kind : std::uint8_t {
        clash,       // digit stands twice in unit
        noDigit,     // cell is empty and can take no digit
        noPlace,     // digit is missing from unit and can go nowhere in it
        noSolution,  // the exact solver finds no solution (when no simple reason shows)
    };
    Kind kind = Kind::noSolution;
    Cell cell;
    Unit unit;
    int digit = 0;
};

// The first empty cell with no digit open, else the first unit with a missing digit open nowhere.
std::optional<Contradiction> findContradiction(const CandidateGrid& g);

}  // namespace ninebox
