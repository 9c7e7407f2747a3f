// SPDX-License-Identifier: GPL-3.0-or-later
// makepuzzles: builds and re-verifies Ninebox's built-in library of 30 puzzles.
//
//   makepuzzles OUTDIR        write OUTDIR/puzzles.txt and OUTDIR/solutions.txt,
//                             then check them
//   makepuzzles --check DIR   verify DIR/puzzles.txt and DIR/solutions.txt;
//                             exit status 1 on any fault
//
// File layout (the game reads these bytes directly, so they are checked
// exactly): plain ASCII, every line ends in CR LF, no blank lines, no spaces.
// 30 records labelled A..Z then a..d. A record is its label on a line of its
// own, then nine rows top to bottom, each nine digits joined by commas.
// Puzzles use 0 for an empty cell; solutions hold 1..9 everywhere. A record is
// 174 bytes, a file 5220.
//
// Level measure (1 Easy, 2 Medium, 3 Hard):
//   Cheat rules: the game's Cheat command, reproduced pass for pass. Each pass
//     builds a map from the board as it stands when the pass starts: for digit
//     n at cell (x,y) the value is 1 if the cell is filled or n already stands
//     in its row, column or box; otherwise it is the count of distinct digits
//     the cell sees if that count exceeds 5, else 0. Then for each n, for each
//     box, a cell whose value is 8 gets n (naked single), and if exactly one
//     cell of the box has a value other than 1 it gets n (hidden single in the
//     box). The map is not refreshed within a pass; passes repeat until one
//     places nothing.
//   Easy:   the Cheat rules fill the grid.
//   Medium: they do not, but naked singles plus hidden singles in rows,
//           columns and boxes do.
//   Hard:   singles of every kind stall; the puzzle needs more than singles.
//   Record A is a fixed puzzle that is Hard by decree; its real level is only
//   reported.
//
// Generation (deterministic, fixed seed, own RNG so every compiler agrees):
// for each record B..d, fill a random complete grid; remove its cells in
// random order, keeping a removal only while the puzzle stays unique, which
// ends at a minimal puzzle; if that has no more givens than wanted, add
// solution cells back in random order up to the exact count, classify, and
// keep the first result whose level matches. Several add-back orders are tried
// per minimal puzzle before starting over with a fresh grid.

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

namespace {

const int kRecords = 30;
const char kLevels[] = "311313323223333111322113132222";
const int kGivens[kRecords] = {33, 33, 33, 27, 33, 25, 27, 23, 25, 28,
                               26, 23, 26, 23, 24, 34, 33, 34, 28, 26,
                               28, 36, 36, 26, 34, 23, 26, 31, 25, 26};
const char kRecordAPuzzle[] =
    "030002009400900020600013408901000045050020600206804000060007004007200090003041802";
const char kRecordASolution[] =
    "735482169418965723629713458981376245354129687276854931862597314147238596593641872";
const std::uint64_t kSeed = 0x4E696E65626F78ull;  // "Ninebox"
const int kAddBackTries = 40;
const long kRecordBytes = 174;

struct Grid {
    int v[81] = {};
    int at(int x, int y) const { return v[y * 9 + x]; }
    int givens() const {
        int n = 0;
        for (int d : v) n += d != 0;
        return n;
    }
    bool full() const { return givens() == 81; }
};

char labelOf(int k) { return static_cast<char>(k < 26 ? 'A' + k : 'a' + (k - 26)); }
int levelOf(int k) { return kLevels[k] - '0'; }
const char* levelName(int level) {
    return level == 1 ? "Easy" : level == 2 ? "Medium" : "Hard";
}

int bitCount(unsigned m) {
    int n = 0;
    for (; m; m &= m - 1) ++n;
    return n;
}

// splitmix64: tiny, and unlike std:: distributions gives the same stream on
// every standard library.
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
        for (int i = n - 1; i > 0; --i) {
            int j = below(i + 1);
            int t = a[i];
            a[i] = a[j];
            a[j] = t;
        }
    }
};

int boxOf(int i) { return (i / 27) * 3 + (i % 9) / 3; }

// Digits (as bits 1..9) already standing in the row, column and box of cell i.
unsigned seenBy(const Grid& g, int i) {
    int r = i / 9, c = i % 9, br = r / 3 * 3, bc = c / 3 * 3;
    unsigned m = 0;
    for (int k = 0; k < 9; ++k) {
        m |= 1u << g.v[r * 9 + k];
        m |= 1u << g.v[k * 9 + c];
        m |= 1u << g.v[(br + k / 3) * 9 + bc + k % 3];
    }
    return m & 0x3FEu;  // bit 0 stands for "empty"
}

// Backtracking over bitmasks, most constrained cell first.
class Search {
public:
    explicit Search(const Grid& g) : grid_(g) {
        for (int i = 0; i < 81; ++i) {
            int d = g.v[i];
            if (d == 0) continue;
            unsigned bit = 1u << d;
            if ((rows_[i / 9] | cols_[i % 9] | boxes_[boxOf(i)]) & bit) consistent_ = false;
            mark(i, d);
        }
    }

    // Number of solutions, stopping once `limit` is reached; the first one
    // found lands in `first`.
    int count(int limit, Grid* first = nullptr) {
        if (!consistent_) return 0;
        first_ = first;
        return countFrom(limit);
    }

    // Completes the grid choosing digits in random order (an empty grid gives
    // a uniformly shuffled full grid).
    bool fillRandom(Rng& rng, Grid& out) {
        if (!consistent_) return false;
        int i;
        unsigned cands;
        if (!pickCell(i, cands)) {
            out = grid_;
            return true;
        }
        if (cands == 0) return false;
        int digits[9], n = 0;
        for (int d = 1; d <= 9; ++d)
            if (cands & (1u << d)) digits[n++] = d;
        rng.shuffle(digits, n);
        for (int k = 0; k < n; ++k) {
            mark(i, digits[k]);
            bool done = fillRandom(rng, out);
            unmark(i, digits[k]);
            if (done) return true;
        }
        return false;
    }

private:
    void mark(int i, int d) {
        unsigned bit = 1u << d;
        grid_.v[i] = d;
        rows_[i / 9] |= bit;
        cols_[i % 9] |= bit;
        boxes_[boxOf(i)] |= bit;
    }
    void unmark(int i, int d) {
        unsigned bit = ~(1u << d);
        grid_.v[i] = 0;
        rows_[i / 9] &= bit;
        cols_[i % 9] &= bit;
        boxes_[boxOf(i)] &= bit;
    }
    // False when the grid is full; otherwise the empty cell with fewest
    // candidates (cands == 0 means a dead end).
    bool pickCell(int& best, unsigned& bestCands) const {
        int bestN = 10;
        best = -1;
        bestCands = 0;
        for (int i = 0; i < 81; ++i) {
            if (grid_.v[i] != 0) continue;
            unsigned c = ~(rows_[i / 9] | cols_[i % 9] | boxes_[boxOf(i)]) & 0x3FEu;
            int n = bitCount(c);
            if (n < bestN) {
                best = i;
                bestCands = c;
                bestN = n;
                if (n <= 1) break;
            }
        }
        return best >= 0;
    }
    int countFrom(int limit) {
        int i;
        unsigned cands;
        if (!pickCell(i, cands)) {
            if (first_) {
                *first_ = grid_;
                first_ = nullptr;
            }
            return 1;
        }
        int total = 0;
        for (int d = 1; d <= 9 && total < limit; ++d) {
            if (!(cands & (1u << d))) continue;
            mark(i, d);
            total += countFrom(limit - total);
            unmark(i, d);
        }
        return total;
    }

    Grid grid_;
    unsigned rows_[9] = {}, cols_[9] = {}, boxes_[9] = {};
    bool consistent_ = true;
    Grid* first_ = nullptr;
};

// The game's Cheat command, pass by pass; true if it fills the grid.
bool cheatFills(Grid g) {
    for (;;) {
        int map[9][9][10];  // [x][y][n], built once per pass
        for (int x = 0; x < 9; ++x)
            for (int y = 0; y < 9; ++y) {
                unsigned seen = seenBy(g, y * 9 + x);
                int distinct = bitCount(seen);
                for (int n = 1; n <= 9; ++n) {
                    if (g.at(x, y) != 0 || (seen & (1u << n)))
                        map[x][y][n] = 1;
                    else
                        map[x][y][n] = distinct > 5 ? distinct : 0;
                }
            }
        bool placed = false;
        for (int n = 1; n <= 9; ++n)
            for (int bx = 0; bx < 9; bx += 3)
                for (int by = 0; by < 9; by += 3) {
                    int open = 0, lastX = 0, lastY = 0;
                    for (int i = 0; i < 3; ++i)
                        for (int j = 0; j < 3; ++j) {
                            int x = bx + i, y = by + j;
                            if (map[x][y][n] == 8) {
                                g.v[y * 9 + x] = n;
                                placed = true;
                            }
                            if (map[x][y][n] != 1) {
                                ++open;
                                lastX = x;
                                lastY = y;
                            }
                        }
                    if (open == 1) {
                        g.v[lastY * 9 + lastX] = n;
                        placed = true;
                    }
                }
        if (!placed) break;
    }
    return g.full();
}

// Rows, columns and boxes as lists of cell indexes.
struct Units {
    int cell[27][9];
    Units() {
        for (int u = 0; u < 9; ++u)
            for (int k = 0; k < 9; ++k) {
                cell[u][k] = u * 9 + k;
                cell[9 + u][k] = k * 9 + u;
                cell[18 + u][k] = (u / 3 * 3 + k / 3) * 9 + u % 3 * 3 + k % 3;
            }
    }
};
const Units kUnits;

// Naked singles plus hidden singles in every row, column and box, applied
// until nothing changes; true if that fills the grid.
bool singlesFill(Grid g) {
    for (bool progress = true; progress;) {
        progress = false;
        for (int i = 0; i < 81; ++i) {
            if (g.v[i] != 0) continue;
            unsigned cands = ~seenBy(g, i) & 0x3FEu;
            if (bitCount(cands) != 1) continue;
            for (int d = 1; d <= 9; ++d)
                if (cands == (1u << d)) g.v[i] = d;
            progress = true;
        }
        for (const auto& unit : kUnits.cell)
            for (int d = 1; d <= 9; ++d) {
                int spots = 0, where = -1;
                for (int i : unit) {
                    if (g.v[i] == d) {
                        spots = -1;
                        break;
                    }
                    if (g.v[i] == 0 && !(seenBy(g, i) & (1u << d))) {
                        ++spots;
                        where = i;
                    }
                }
                if (spots == 1) {
                    g.v[where] = d;
                    progress = true;
                }
            }
    }
    return g.full();
}

int classify(const Grid& puzzle) {
    if (cheatFills(puzzle)) return 1;
    if (singlesFill(puzzle)) return 2;
    return 3;
}

bool isUnique(const Grid& g) { return Search(g).count(2) == 1; }

Grid fromDigits(const char* s) {
    Grid g;
    for (int i = 0; i < 81; ++i) g.v[i] = s[i] - '0';
    return g;
}

// One record of the wanted level and given count; `grids` counts the full
// grids it took.
void makeRecord(Rng& rng, int givens, int level, Grid& puzzle, Grid& solution, long& grids) {
    for (grids = 1;; ++grids) {
        Search(Grid()).fillRandom(rng, solution);
        Grid minimal = solution;
        int order[81];
        for (int i = 0; i < 81; ++i) order[i] = i;
        rng.shuffle(order, 81);
        for (int i : order) {
            int keep = minimal.v[i];
            minimal.v[i] = 0;
            if (!isUnique(minimal)) minimal.v[i] = keep;
        }
        int have = minimal.givens();
        if (have > givens) continue;

        int holes[81], nHoles = 0;
        for (int i = 0; i < 81; ++i)
            if (minimal.v[i] == 0) holes[nHoles++] = i;
        for (int t = 0; t < kAddBackTries; ++t) {
            puzzle = minimal;
            rng.shuffle(holes, nHoles);
            for (int k = 0; k < givens - have; ++k) puzzle.v[holes[k]] = solution.v[holes[k]];
            if (classify(puzzle) == level) return;
        }
    }
}

std::string recordText(char label, const Grid& g) {
    std::string s(1, label);
    s += "\r\n";
    for (int r = 0; r < 9; ++r) {
        for (int c = 0; c < 9; ++c) {
            if (c) s += ',';
            s += static_cast<char>('0' + g.v[r * 9 + c]);
        }
        s += "\r\n";
    }
    return s;
}

bool writeFile(const std::string& path, const std::string& text) {
    std::ofstream out(path, std::ios::binary);
    out << text;
    return static_cast<bool>(out.flush());
}

bool readFile(const std::string& path, std::string& text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return true;
}

// Parses record k out of a whole file, byte for byte; digits below `lowest`
// are rejected.
bool parseRecord(const std::string& text, int k, int lowest, Grid& g, std::string& why) {
    std::size_t p = static_cast<std::size_t>(k * kRecordBytes);
    auto expect = [&](char ch) {
        if (p < text.size() && text[p] == ch) {
            ++p;
            return true;
        }
        std::ostringstream os;
        os << "byte " << p << ": expected " << static_cast<int>(ch);
        why = os.str();
        return false;
    };
    if (!expect(labelOf(k)) || !expect('\r') || !expect('\n')) return false;
    for (int r = 0; r < 9; ++r) {
        for (int c = 0; c < 9; ++c) {
            if (c && !expect(',')) return false;
            char ch = p < text.size() ? text[p] : '\0';
            if (ch < '0' + lowest || ch > '9') {
                why = "byte " + std::to_string(p) + ": bad digit";
                return false;
            }
            g.v[r * 9 + c] = ch - '0';
            ++p;
        }
        if (!expect('\r') || !expect('\n')) return false;
    }
    return true;
}

int check(const std::string& dir) {
    std::string ptext, stext;
    if (!readFile(dir + "/puzzles.txt", ptext) || !readFile(dir + "/solutions.txt", stext)) {
        std::fprintf(stderr, "cannot read the files in %s\n", dir.c_str());
        return 1;
    }
    int faults = 0;
    auto fault = [&](char label, const std::string& msg) {
        std::fprintf(stderr, "record %c: %s\n", label, msg.c_str());
        ++faults;
    };
    const long want = kRecords * kRecordBytes;
    if (static_cast<long>(ptext.size()) != want || static_cast<long>(stext.size()) != want) {
        std::fprintf(stderr, "file sizes %zu and %zu, expected %ld\n", ptext.size(), stext.size(),
                     want);
        return 1;
    }
    for (int k = 0; k < kRecords; ++k) {
        char label = labelOf(k);
        Grid puzzle, solution, found;
        std::string why;
        if (!parseRecord(ptext, k, 0, puzzle, why)) { fault(label, "puzzles.txt " + why); continue; }
        if (!parseRecord(stext, k, 1, solution, why)) { fault(label, "solutions.txt " + why); continue; }

        bool valid = true;
        for (const auto& unit : kUnits.cell) {
            unsigned m = 0;
            for (int i : unit) m |= 1u << solution.v[i];
            valid = valid && m == 0x3FEu;
        }
        if (!valid) fault(label, "solution is not a valid grid");
        for (int i = 0; i < 81; ++i)
            if (puzzle.v[i] && puzzle.v[i] != solution.v[i]) {
                fault(label, "given at cell " + std::to_string(i) + " disagrees with solution");
                break;
            }
        if (puzzle.givens() != kGivens[k])
            fault(label, std::to_string(puzzle.givens()) + " givens, expected " +
                             std::to_string(kGivens[k]));
        int solutions = Search(puzzle).count(2, &found);
        if (solutions != 1)
            fault(label, solutions ? "more than one solution" : "no solution");
        else if (recordText(label, found) != recordText(label, solution))
            fault(label, "unique solution differs from the solution record");

        int level = classify(puzzle);
        if (k == 0) {
            if (recordText(label, puzzle) != recordText(label, fromDigits(kRecordAPuzzle)) ||
                recordText(label, solution) != recordText(label, fromDigits(kRecordASolution)))
                fault(label, "differs from the fixed record A");
            std::printf("record A measures %s (listed as %s)\n", levelName(level),
                        levelName(levelOf(0)));
        } else if (level != levelOf(k)) {
            fault(label, std::string("measures ") + levelName(level) + ", listed as " +
                             levelName(levelOf(k)));
        }
    }
    if (faults) {
        std::fprintf(stderr, "%d fault(s)\n", faults);
        return 1;
    }
    std::printf("all %d records check out\n", kRecords);
    return 0;
}

int generate(const std::string& dir) {
    auto start = std::chrono::steady_clock::now();
    Rng rng{kSeed};
    std::string ptext = recordText('A', fromDigits(kRecordAPuzzle));
    std::string stext = recordText('A', fromDigits(kRecordASolution));
    for (int k = 1; k < kRecords; ++k) {
        Grid puzzle, solution;
        long grids = 0;
        makeRecord(rng, kGivens[k], levelOf(k), puzzle, solution, grids);
        ptext += recordText(labelOf(k), puzzle);
        stext += recordText(labelOf(k), solution);
        std::printf("%c  %-6s %2d givens  %ld grid(s)\n", labelOf(k), levelName(levelOf(k)),
                    kGivens[k], grids);
        std::fflush(stdout);
    }
    if (!writeFile(dir + "/puzzles.txt", ptext) || !writeFile(dir + "/solutions.txt", stext)) {
        std::fprintf(stderr, "cannot write into %s\n", dir.c_str());
        return 1;
    }
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
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
