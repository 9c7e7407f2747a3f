// Arbitrary bytes through the grid reader and the Load command. libFuzzer drives the entry
// in the fuzz build (NINEBOX_FUZZ); the ordinary test build replays the seed corpus through
// the same entry, so a seed that once found a fault keeps guarding against it.
//
// Input: the bytes up to the first NUL are the game file; the bytes after it, if there is a
// NUL, are the answers file, otherwise there is no answers file at all.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <sstream>
#include <string>

#include "files/gridfile.h"
#include "support/fixture.h"

namespace {

using namespace ninebox;
using namespace ninebox::testing;

const char* replaying = "";  // the corpus file being replayed, for the report

void require(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "load_fuzzer: %s%s%s\n", what, *replaying ? " -- input " : "", replaying);
    __builtin_trap();
}

bool bordersClear(const Grid& g) {
    for (int a = 0; a <= 10; ++a)
        if (g[0][a] || g[10][a] || g[a][0] || g[a][10]) return false;
    return true;
}

std::optional<Grid> read(const std::string& text) {
    std::istringstream in(text);
    return readgrid(in);
}

// What Load must take from a file: a complete grid of digits, or nothing.
std::optional<Grid> loadable(const std::optional<std::string>& text) {
    if (!text) return std::nullopt;
    auto grid = read(*text);
    if (!grid || !digitsOnly(*grid)) return std::nullopt;
    return grid;
}

// The reader alone. An accepted grid must survive being written and read back, since Save
// writes what Load later reads; and a line after a complete grid must never change it.
void checkReader(const std::string& text) {
    const auto grid = read(text);
    if (!grid) return;
    require(bordersClear(*grid), "reader wrote outside cells 1..9");
    const auto again = read(writegrid(*grid));
    require(again && *again == *grid, "grid changed when written and read back");
    const auto followed = read(text + "\r\n#junk,\x01\r\n");
    require(followed && *followed == *grid, "text after the 81st field changed the grid");
}

// The game on the board when Load starts: a dealt game, one entry by the player, time run.
const GameState& previousGame() {
    static const GameState state = [] {
        HeadlessGame h;
        h.deal(7);
        bool entered = false;
        for (int x = 1; x <= 9; ++x)
            for (int y = 1; y <= 9; ++y)
                if (!entered && !h.s().given(x, y)) {
                    h.s().board[x][y] = h.s().answer[x][y];
                    entered = true;
                }
        h.s().secs = 754;
        return h.s();
    }();
    return state;
}

}  // namespace

namespace ninebox::fuzz {

enum class Outcome { refused, loadedWithoutAnswers, loadedWithAnswers };

Outcome runLoad(const std::string& game, const std::optional<std::string>& answers) {
    const std::string path = "/home/player/games/puzzle.sud";
    HeadlessGame h;
    h.s() = previousGame();
    const GameState before = h.s();
    h.files.files[path] = game;
    if (answers) h.files.files[ansname(path)] = *answers;
    h.window.files.push_back({FileChoice::Outcome::chosen, path});
    h.game.ent_Click();
    const GameState& s = h.s();

    const auto puzzle = loadable(game);
    if (!puzzle) {
        require(s.board == before.board, "refused load changed the board");
        for (int x = 0; x <= 10; ++x)
            for (int y = 0; y <= 10; ++y)
                require(s.cellmap[x][y][kGiven] == before.cellmap[x][y][kGiven],
                        "refused load changed the given flags");
        require(s.answer == before.answer, "refused load changed the answers");
        require(s.level == before.level, "refused load changed the level");
        require(s.secs == before.secs, "refused load changed the time");
        return Outcome::refused;
    }

    require(s.board == *puzzle, "loaded board differs from the game file");
    require(digitsOnly(s.board) && bordersClear(s.board), "loaded board holds a non-digit");
    for (int x = 0; x <= 10; ++x)
        for (int y = 0; y <= 10; ++y)
            require(s.cellmap[x][y][kGiven] == (s.board[x][y] > 0 ? 1 : 0),
                    "given flag disagrees with the board");
    require(s.level == 0 && s.secs == 0, "loaded game kept the old level or time");
    require(digitsOnly(s.answer) && bordersClear(s.answer), "answers hold a non-digit");
    const auto solution = loadable(answers);
    require(s.answer == solution.value_or(Grid{}), "answers differ from the answers file");
    return solution ? Outcome::loadedWithAnswers : Outcome::loadedWithoutAnswers;
}

Outcome runInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    checkReader(bytes);
    const std::size_t nul = bytes.find('\0');
    if (nul == std::string::npos) return runLoad(bytes, std::nullopt);
    return runLoad(bytes.substr(0, nul), bytes.substr(nul + 1));
}

}  // namespace ninebox::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ninebox::fuzz::runInput(data, size);
    return 0;
}

#ifdef NINEBOX_FUZZ_CORPUS
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <vector>

// Every seed through the entry; the corpus must reach every outcome, or the checks above
// would pass without looking at a loaded game.
TEST(LoadFuzzCorpus, EverySeedLeavesASoundGame) {
    std::vector<std::filesystem::path> seeds;
    for (const auto& entry : std::filesystem::directory_iterator(NINEBOX_FUZZ_CORPUS))
        if (entry.is_regular_file()) seeds.push_back(entry.path());
    std::sort(seeds.begin(), seeds.end());
    ASSERT_FALSE(seeds.empty()) << NINEBOX_FUZZ_CORPUS;

    std::set<ninebox::fuzz::Outcome> reached;
    for (const auto& seed : seeds) {
        std::ifstream in(seed, std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), {}};
        const std::string name = seed.filename().string();
        replaying = name.c_str();
        reached.insert(ninebox::fuzz::runInput(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                               bytes.size()));
    }
    replaying = "";
    EXPECT_EQ(reached.size(), 3u);
}
#endif
