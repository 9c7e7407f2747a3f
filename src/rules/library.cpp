// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/library.h"

namespace ninebox {

namespace embedded {
extern const std::string_view puzzles;
extern const std::string_view solutions;
}  // namespace embedded

std::string_view puzzleText() { return embedded::puzzles; }
std::string_view solutionText() { return embedded::solutions; }

namespace {

// "L\r\n" and nine lines "d,d,d,d,d,d,d,d,d\r\n"; the tests check the texts, so this trusts them.
constexpr std::size_t kRecordBytes = 3 + 9 * 19;

void readRecords(std::string_view text, Grid BaseRecord::*grid, std::array<BaseRecord, kRecords>& records) {
    for (std::size_t k = 0; k < kRecords; ++k) {
        const std::string_view record = text.substr(k * kRecordBytes, kRecordBytes);
        for (std::size_t r = 1; r <= 9; ++r) {
            for (std::size_t c = 1; c <= 9; ++c) {
                const char digit = record[3 + (r - 1) * 19 + (c - 1) * 2];
                (records[k].*grid)[c][r] = static_cast<std::int16_t>(digit - '0');
            }
        }
    }
}

std::array<BaseRecord, kRecords> parseLibrary() {
    std::array<BaseRecord, kRecords> records{};
    readRecords(puzzleText(), &BaseRecord::puzzle, records);
    readRecords(solutionText(), &BaseRecord::solution, records);
    for (std::size_t k = 0; k < kRecords; ++k) records[k].level = static_cast<Level>(kLevelTable[k] - '0');
    return records;
}

}  // namespace

const std::array<BaseRecord, kRecords>& library() {
    static const std::array<BaseRecord, kRecords> records = parseLibrary();
    return records;
}

}  // namespace ninebox
