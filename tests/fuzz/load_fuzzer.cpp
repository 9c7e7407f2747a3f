// SPDX-License-Identifier: GPL-3.0-or-later
// Arbitrary bytes through the grid reader and the Load command: libFuzzer drives the entry in
// the fuzz build (NINEBOX_FUZZ), the test build replays the seed corpus, so a seed that once
// found a fault keeps guarding against it. Up to the first NUL the bytes are the game file,
// after it the answers file (none without a NUL).
#include <cstdio>
#include <sstream>

#include "rules/candidates.h"
#include "rules/gridtext.h"
#include "rules/puzzletext.h"
#include "rules/solver.h"
#include "rules/units.h"
#include "support/fixture.h"

using namespace ninebox;
using namespace ninebox::testing;

namespace {

const char* replaying = "";  // the seed being replayed, for the report

void require(bool ok, const char* what) {
    if (ok) return;
    std::fprintf(stderr, "load_fuzzer: %s %s\n", what, replaying);
    __builtin_trap();
}

// What Load may take from a file: a complete grid of digits 0..9 in at most 64 KiB, the game
// file's also in the compact form, or nothing. (Grid text is read as the grid reader reads it,
// and the compact form only where that refuses it: adding the form changed no game file.)
std::optional<Grid> loadable(const std::optional<std::string>& text, bool gameFile) {
    std::istringstream in(text.value_or(""));
    auto grid = readGrid(in);
    if (!grid && gameFile) grid = readCompactGrid(text.value_or(""));
    if (!text || text->size() > kMaxGridFile || !grid) return std::nullopt;
    for (int x = 1; x <= 9; ++x)
        for (int y = 1; y <= 9; ++y)
            if ((*grid)[x][y] < 0 || (*grid)[x][y] > 9) return std::nullopt;
    return grid;
}

// 0: refused, 1: loaded without answers, 2: loaded with answers.
int run(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::size_t nul = bytes.find('\0');
    const std::string game = bytes.substr(0, nul);
    const auto answers = nul == std::string::npos ? std::nullopt : std::optional(bytes.substr(nul + 1));

    HeadlessGame h;  // a game in map mode: an entry by the player, a cell waiting, a level, time run
    h.deal(7);       // (1, 1) open
    h.type("7");
    h.game.mapMode();
    h.presses({cell(1, 1)});
    for (int i = 0; i < 754; ++i) h.game.tick();
    const auto before = kept(h.s());
    h.files.files["/home/jane.doe/puzzle.sud"] = game;
    if (answers) h.files.files["/home/jane.doe/puzzle.ans"] = *answers;
    h.window.files.push_back({FileChoice::Outcome::chosen, "/home/jane.doe/puzzle.sud"});
    h.game.load();
    const GameState& s = h.s();

    const auto puzzle = loadable(game, true), solution = loadable(answers, false);
    bool solves = puzzle && solution && allUnitsComplete(*solution);  // and agrees with every given
    for (int i = 0; solves && i < 81; ++i)
        solves = (*puzzle)[i % 9 + 1][i / 9 + 1] == 0 ||
                 (*puzzle)[i % 9 + 1][i / 9 + 1] == (*solution)[i % 9 + 1][i / 9 + 1];
    const int outcome = !puzzle ? 0 : solves ? 2 : 1;
    // Without answers that solve it, a puzzle takes its one solution, or says why it has none.
    std::vector<Message> messages;
    const Solutions found = puzzle ? solve(*puzzle) : Solutions{};
    if (!puzzle) messages.push_back(Message::noFileLoaded);
    else if (outcome == 1 && found.count != 1)
        messages.push_back(hasClash(*puzzle) ? Message::givensClash
                           : found.count == 0 ? Message::noSolution
                                              : Message::severalSolutions);
    require(h.window.messages == messages, "wrong message");
    require(s.mode == (outcome == 2 ? Mode::map : Mode::play), "wrong mode");
    if (!puzzle) {
        require(kept(s) == before, "refused load changed the game");
        return 0;
    }
    require(s.puzzle.board() == *puzzle && s.puzzle.givens() == givensOf(*puzzle) &&
                s.puzzle.candidates() == candidateMap(*puzzle),
            "loaded board, givens or map differ from the file");
    require(s.level == Level::none && s.seconds == 0 && !s.waitingForDigit,
            "loaded game kept the old level, time or waiting cell");
    require(s.puzzle.answers() == (solves ? *solution : found.count == 1 ? found.first : Grid{}),
            "answers differ from the answers file or the one solution");
    return outcome;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    run(data, size);
    return 0;
}

#ifdef NINEBOX_FUZZ_CORPUS
#include <filesystem>
#include <fstream>
#include <set>

// The corpus must reach every outcome, or the checks would pass without a loaded game.
TEST(LoadFuzzCorpus, EverySeedLeavesASoundGame) {
    std::set<int> reached;
    for (const auto& entry : std::filesystem::directory_iterator(NINEBOX_FUZZ_CORPUS)) {
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), {}}, name = entry.path().filename();
        replaying = name.c_str();
        reached.insert(run(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
    }
    EXPECT_EQ(reached.size(), 3u);
}
#endif
