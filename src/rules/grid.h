#pragma once
// The 9 x 9 grid that boards, answers and puzzles share, and the candidate map built on it.

#include <array>
#include <cstdint>

namespace ninebox {

// Indexed [x][y]: x is the column 1..9 from the left, y the row 1..9 from the top.
// Index 0 and 10 exist so that loops over 0..10 stay in bounds; they always hold 0.
// 0 = empty or none, 1..9 = a digit.
using Grid = std::array<std::array<std::int16_t, 11>, 11>;

// Indexed [x][y][k]. k = 1..9: candidate state of digit k in the cell after the last
// buildCandidateMap (0 open, 1 ruled out, 6/7/8 open with that many distinct digits seen).
// k = 10: 1 = the cell is a given. k = 0 stays 0.
using CandidateMap = std::array<std::array<std::array<std::int16_t, 11>, 11>, 11>;
constexpr int kGiven = 10;

}  // namespace ninebox
