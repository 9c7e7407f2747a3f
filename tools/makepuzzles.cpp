// SPDX-License-Identifier: GPL-3.0-or-later
// makepuzzles: makes and checks the game's library of 30 puzzles (resources/puzzles.txt and
// resources/solutions.txt, in the record layout of rules/library.h).
//
//   makepuzzles OUTDIR        write OUTDIR/puzzles.txt and OUTDIR/solutions.txt, then check them
//   makepuzzles --check DIR   check DIR/puzzles.txt and DIR/solutions.txt; exit status 1 on a fault
//
// Levels as measured here:
//   Easy:   Cheat's passes (rules/cheat.h), run as the game runs them, fill the grid.
//   Medium: they do not, but naked singles and hidden singles in rows, columns and boxes do.
//   Hard:   singles of every kind stall.
// Record A is a fixed puzzle that is Hard by decree; its measured level is only reported.
//
// Each record's rating (rules/rating.h) is reported beside its level, and must agree with it:
// an Easy puzzle needs nothing beyond singles, a Hard one more than singles (record A aside).
//
// Generation is deterministic (fixed seed, own random stream): for each record B..d, fill a
// random complete grid; remove its cells in random order, keeping a removal only while the
// puzzle stays unique, which ends at a minimal puzzle; if that has no more givens than wanted,
// add solution cells back in random order up to the exact count, measure, and keep the first
// puzzle of the wanted level. Several add-back orders are tried per minimal puzzle before
// starting over with a fresh grid.

#include <bitset>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <optional>
#include <sstream>
#include <string>
#include <utility>

#include "rules/candidates.h"
#include "rules/cheat.h"
#include "rules/grid.h"
#include "rules/gridtext.h"
#include "rules/library.h"
#include "rules/puzzletext.h"
#include "rules/rating.h"
#include "rules/solver.h"
#include "rules/units.h"

namespace {

using ninebox::Grid;
using ninebox::kRecords;
using ninebox::Level;

const int kGivens[kRecords] = {33, 33, 33, 27, 33, 25, 27, 23, 25, 28, 26, 23, 26, 23, 24,
                               34, 33, 34, 28, 26, 28, 36, 36, 26, 34, 23, 26, 31, 25, 26};
const char kRecordAPuzzle[] =
    "030002009400900020600013408901000045050020600206804000060007004007200090003041802";
const char kRecordASolution[] =
    "735482169418965723629713458981376245354129687276854931862597314147238596593641872";
const std::uint64_t kSeed = 0x4E696E65626F78ull;  // "Ninebox"
const int kAddBackTries = 40;
const unsigned kAllDigits = 0x3FEu;  // bits 1..9

// Cell i = 0..80 in row order, as the files list them: the random draws pick cells by i.
std::int16_t& cell(Grid& g, int i) { return g[i % 9 + 1][i / 9 + 1]; }
int cell(const Grid& g, int i) { return g[i % 9 + 1][i / 9 + 1]; }

int givensIn(const Grid& g) {
    int n = 0;
    for (int i = 0; i < 81; ++i) n += cell(g, i) != 0;
    return n;
}

char labelOf(int k) { return static_cast<char>(k < 26 ? 'A' + k : 'a' + (k - 26)); }
Level levelOf(int k) { return static_cast<Level>(ninebox::kLevelTable[static_cast<std::size_t>(k)] - '0'); }
const char* levelName(Level level) {
    return level == Level::easy ? "Easy" : level == Level::medium ? "Medium" : "Hard";
}

Grid fixedGrid(const char* digits) { return ninebox::readCompactGrid(digits).value(); }

// splitmix64 with draws taken modulo n. The game's SplitMixGenerator scales its top 32 bits
// instead, so it gives other draws from the same seed; this stream is the one that made the
// shipped files, and keeping it lets the tool make them again byte for byte.
struct Rng {
    std::uint64_t s;
    std::uint64_t next() {
        std::uint64_t z = (s += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }
    void shuffle(int* a, int n) {
        for (int i = n - 1; i > 0; --i) std::swap(a[i], a[below(i + 1)]);
    }
};

// A random complete grid: backtracking, most constrained cell first, over bitmasks of the
// digits each row, column and box holds, trying the digits of a cell in shuffled order. The
// shipped files come from this search's draws, cell by cell: another search order would make
// other files. Counting solutions is the exact solver's (rules/solver.h).
class RandomFill {
public:
    // Completes an empty grid, choosing digits in random order: a uniformly shuffled full grid.
    bool fill(Rng& rng, Grid& out) {
        int i;
        unsigned cands;
        if (!pickCell(i, cands)) {
            out = grid_;
            return true;
        }
        int digits[9], n = 0;
        for (int d = 1; d <= 9; ++d)
            if (cands & (1u << d)) digits[n++] = d;
        rng.shuffle(digits, n);
        for (int k = 0; k < n; ++k) {
            mark(i, digits[k]);
            const bool done = fill(rng, out);
            unmark(i, digits[k]);
            if (done) return true;
        }
        return false;
    }

private:
    static int boxOf(int i) { return (i / 27) * 3 + (i % 9) / 3; }
    unsigned used(int i) const { return rows_[i / 9] | cols_[i % 9] | boxes_[boxOf(i)]; }
    void mark(int i, int d) {
        const unsigned bit = 1u << d;
        cell(grid_, i) = static_cast<std::int16_t>(d);
        rows_[i / 9] |= bit;
        cols_[i % 9] |= bit;
        boxes_[boxOf(i)] |= bit;
    }
    void unmark(int i, int d) {
        const unsigned keep = ~(1u << d);
        cell(grid_, i) = 0;
        rows_[i / 9] &= keep;
        cols_[i % 9] &= keep;
        boxes_[boxOf(i)] &= keep;
    }
    // False when the grid is full; otherwise the empty cell with fewest candidates (cands 0
    // is a dead end). The first such cell in row order, so that the random fill is repeatable.
    bool pickCell(int& best, unsigned& bestCands) const {
        std::size_t bestN = 10;
        best = -1;
        bestCands = 0;
        for (int i = 0; i < 81 && bestN > 1; ++i) {
            if (cell(grid_, i) != 0) continue;
            const unsigned c = ~used(i) & kAllDigits;
            const std::size_t n = std::bitset<16>(c).count();
            if (n < bestN) {
                best = i;
                bestCands = c;
                bestN = n;
            }
        }
        return best >= 0;
    }

    Grid grid_{};
    unsigned rows_[9] = {}, cols_[9] = {}, boxes_[9] = {};
};

bool isUnique(const Grid& g) { return ninebox::solve(g).count == 1; }

// Cheat as the game's command runs it: passes until one places nothing or meets a clash.
bool cheatFills(Grid board) {
    while (ninebox::cheatPass(board, ninebox::candidateMap(board)) == ninebox::PassOutcome::placed) {
    }
    return ninebox::allUnitsComplete(board);
}

struct Place {
    int x, y;
};

// Cell k of unit u: rows 0..8, columns 9..17, boxes 18..26.
Place unitCell(int u, int k) {
    if (u < 9) return {k + 1, u + 1};
    if (u < 18) return {u - 8, k + 1};
    return {(u - 18) % 3 * 3 + k % 3 + 1, (u - 18) / 3 * 3 + k / 3 + 1};
}

// Every naked single, and every hidden single of a row, column or box, that the map of the
// board shows; a digit the cell already sees by then is left out. True when one was placed.
bool singlesPass(Grid& g) {
    const ninebox::CandidateMap map = ninebox::candidateMap(g);
    bool placed = false;
    const auto place = [&](int x, int y, int n) {
        if (g[x][y] != 0 || ninebox::seesDigit(g, x, y, n)) return;
        g[x][y] = static_cast<std::int16_t>(n);
        placed = true;
    };
    // The map holds 1 for a digit ruled out and for every digit of a filled cell.
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y) {
            int open = 0, last = 0;
            for (int n = 1; n <= 9; ++n)
                if (map[x][y][n] != 1) {
                    ++open;
                    last = n;
                }
            if (open == 1) place(x, y, last);
        }
    for (int u = 0; u < 27; ++u)
        for (int n = 1; n <= 9; ++n) {
            int open = 0;
            Place last{};
            for (int k = 0; k < 9; ++k) {
                const Place p = unitCell(u, k);
                if (map[p.x][p.y][n] != 1) {
                    ++open;
                    last = p;
                }
            }
            if (open == 1) place(last.x, last.y, n);
        }
    return placed;
}

Level measure(const Grid& puzzle) {
    if (cheatFills(puzzle)) return Level::easy;
    Grid g = puzzle;
    while (singlesPass(g)) {
    }
    return ninebox::allUnitsComplete(g) ? Level::medium : Level::hard;
}

// One record of the wanted level and given count; grids counts the full grids it took.
void makeRecord(Rng& rng, int givens, Level level, Grid& puzzle, Grid& solution, long& grids) {
    for (grids = 1;; ++grids) {
        RandomFill().fill(rng, solution);
        Grid minimal = solution;
        int order[81];
        for (int i = 0; i < 81; ++i) order[i] = i;
        rng.shuffle(order, 81);
        for (int i : order) {
            const std::int16_t keep = cell(minimal, i);
            cell(minimal, i) = 0;
            if (!isUnique(minimal)) cell(minimal, i) = keep;
        }
        const int have = givensIn(minimal);
        if (have > givens) continue;

        int holes[81], nHoles = 0;
        for (int i = 0; i < 81; ++i)
            if (cell(minimal, i) == 0) holes[nHoles++] = i;
        for (int t = 0; t < kAddBackTries; ++t) {
            puzzle = minimal;
            rng.shuffle(holes, nHoles);
            for (int k = 0; k < givens - have; ++k) cell(puzzle, holes[k]) = cell(solution, holes[k]);
            if (measure(puzzle) == level) return;
        }
    }
}

std::string recordText(int k, const Grid& g) {
    return std::string{labelOf(k), '\r', '\n'} + ninebox::writeGrid(g);
}

// Every record has the same length, that of one written out.
std::size_t recordBytes() { return recordText(0, Grid{}).size(); }

// Record k of a file's text, read as the game's files are read and then held to the bytes the
// tool would write for it: the game reads the digits at fixed places, so any other spacing,
// line end or number form must fail.
std::optional<Grid> readRecord(const std::string& text, int k, std::string& why) {
    const std::string record = text.substr(static_cast<std::size_t>(k) * recordBytes(), recordBytes());
    std::istringstream body(record.substr(3));
    const std::optional<Grid> grid = ninebox::readGrid(body);
    if (!grid || !ninebox::digitsOnly(*grid)) {
        why = "not nine lines of nine digits";
        return std::nullopt;
    }
    const std::string exact = recordText(k, *grid);
    std::size_t at = 0;
    while (at < record.size() && record[at] == exact[at]) ++at;
    if (at == record.size()) return grid;
    why = "byte " + std::to_string(static_cast<std::size_t>(k) * recordBytes() + at) +
          " differs from the record layout";
    return std::nullopt;
}

int fault(int k, const std::string& what) {
    std::fprintf(stderr, "record %c: %s\n", labelOf(k), what.c_str());
    return 1;
}

// Everything one record must be; returns the number of faults found.
int checkRecord(int k, const Grid& puzzle, const Grid& solution) {
    int faults = 0;
    if (!ninebox::allUnitsComplete(solution)) faults += fault(k, "solution is not a valid grid");
    else if (!ninebox::solves(solution, puzzle)) faults += fault(k, "a given disagrees with the solution");
    if (givensIn(puzzle) != kGivens[k])
        faults +=
            fault(k, std::to_string(givensIn(puzzle)) + " givens, expected " + std::to_string(kGivens[k]));
    const ninebox::Solutions found = ninebox::solve(puzzle);
    if (found.count != 1) faults += fault(k, found.count ? "more than one solution" : "no solution");
    else if (found.first != solution) faults += fault(k, "unique solution differs from the solution record");

    const Level level = measure(puzzle);
    if (k == 0) {
        if (puzzle != fixedGrid(kRecordAPuzzle) || solution != fixedGrid(kRecordASolution))
            faults += fault(k, "differs from the fixed record A");
        std::printf("record A measures %s (listed as %s)\n", levelName(level), levelName(levelOf(0)));
    } else if (level != levelOf(k)) {
        faults +=
            fault(k, std::string("measures ") + levelName(level) + ", listed as " + levelName(levelOf(k)));
    }

    // The rating must agree with the listed level: Easy needs singles alone, Hard more (record
    // A, Hard by decree, is only reported).
    const std::optional<ninebox::Rating> rating = ninebox::ratePuzzle(puzzle);
    const std::string rated = rating ? std::string(ninebox::techniqueName(rating->hardest)) : "unrated";
    std::printf("record %c  %-6s rates %s\n", labelOf(k), levelName(levelOf(k)), rated.c_str());
    if (!rating) faults += fault(k, "no explained solution");
    else if (k > 0 && levelOf(k) == Level::easy && !ninebox::isSingle(rating->hardest))
        faults += fault(k, "listed as Easy but needs " + rated);
    else if (k > 0 && levelOf(k) == Level::hard && ninebox::isSingle(rating->hardest))
        faults += fault(k, "listed as Hard but needs only singles");
    return faults;
}

bool readFile(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

bool writeFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    return static_cast<bool>(out.flush());
}

int check(const std::string& dir) {
    std::string ptext, stext;
    if (!readFile(dir + "/puzzles.txt", ptext) || !readFile(dir + "/solutions.txt", stext)) {
        std::fprintf(stderr, "cannot read the files in %s\n", dir.c_str());
        return 1;
    }
    const std::size_t want = kRecords * recordBytes();
    if (ptext.size() != want || stext.size() != want) {
        std::fprintf(stderr, "file sizes %zu and %zu, expected %zu\n", ptext.size(), stext.size(), want);
        return 1;
    }
    int faults = 0;
    for (int k = 0; k < kRecords; ++k) {
        std::string why;
        const std::optional<Grid> puzzle = readRecord(ptext, k, why);
        if (!puzzle) {
            faults += fault(k, "puzzles.txt: " + why);
            continue;
        }
        const std::optional<Grid> solution = readRecord(stext, k, why);
        if (!solution) {
            faults += fault(k, "solutions.txt: " + why);
            continue;
        }
        faults += checkRecord(k, *puzzle, *solution);
    }
    if (faults) {
        std::fprintf(stderr, "%d fault(s)\n", faults);
        return 1;
    }
    std::printf("all %d records check out\n", kRecords);
    return 0;
}

int generate(const std::string& dir) {
    const auto start = std::chrono::steady_clock::now();
    Rng rng{kSeed};
    std::string ptext = recordText(0, fixedGrid(kRecordAPuzzle));
    std::string stext = recordText(0, fixedGrid(kRecordASolution));
    for (int k = 1; k < kRecords; ++k) {
        Grid puzzle{}, solution{};
        long grids = 0;
        makeRecord(rng, kGivens[k], levelOf(k), puzzle, solution, grids);
        ptext += recordText(k, puzzle);
        stext += recordText(k, solution);
        std::printf("%c  %-6s %2d givens  %ld grid(s)\n", labelOf(k), levelName(levelOf(k)), kGivens[k],
                    grids);
        std::fflush(stdout);
    }
    if (!writeFile(dir + "/puzzles.txt", ptext) || !writeFile(dir + "/solutions.txt", stext)) {
        std::fprintf(stderr, "cannot write into %s\n", dir.c_str());
        return 1;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("generated in %.1f s\n", seconds);
    return check(dir);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::string(argv[1]) == "--check") return check(argv[2]);
    if (argc == 2 && argv[1][0] != '-') return generate(argv[1]);
    std::fprintf(stderr, "usage: makepuzzles OUTDIR | makepuzzles --check DIR\n");
    return 2;
}
