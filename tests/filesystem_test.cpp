#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>

#include "files/filesystem.h"
#include "files/gridfile.h"
#include "support/fixture.h"

using namespace ninebox;
using namespace ninebox::testing;
namespace stdfs = std::filesystem;
using namespace std::string_literals;

namespace {

constexpr const char* kPuzzle =
    "530070000600195000098000060800060003400803001700020006060000280000419005000080079";
constexpr const char* kSolution =
    "534678912672195348198342567859761423426853791713924856961537284287419635345286179";

// Each test works inside a fresh folder of its own under /tmp and removes it afterwards.
class Disk : public ::testing::Test {
protected:
    void SetUp() override {
        char name[] = "/tmp/ninebox-files-XXXXXX";
        ASSERT_NE(::mkdtemp(name), nullptr);
        dir_ = name;
    }
    void TearDown() override {
        if (!dir_.empty()) stdfs::remove_all(dir_);
    }

    std::string at(const std::string& name) const { return dir_ + "/" + name; }
    void put(const std::string& name, const std::string& bytes) const {
        std::ofstream(at(name), std::ios::binary) << bytes;
    }
    std::string bytes(const std::string& name) const {
        std::ifstream in(at(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    std::set<std::string> entries() const {
        std::set<std::string> names;
        for (const auto& entry : stdfs::directory_iterator(dir_)) names.insert(entry.path().filename());
        return names;
    }
    // Runs body in a child process whose files cannot grow past limit bytes (as root,
    // permission bits would not stop a write). The child's answer comes back as its exit status.
    static bool underSizeLimit(rlim_t limit, const std::function<bool()>& body) {
        const pid_t pid = ::fork();
        if (pid == 0) {
            const rlimit cap{limit, limit};
            std::signal(SIGXFSZ, SIG_IGN);  // a write past the limit then fails with EFBIG
            ::_exit(::setrlimit(RLIMIT_FSIZE, &cap) == 0 && body() ? 0 : 1);
        }
        int status = -1;
        if (pid < 0 || ::waitpid(pid, &status, 0) != pid) return false;
        return WIFEXITED(status) && WEXITSTATUS(status) == 0;
    }

    // Runs body in a child process that a stuck call cannot hold for more than ten seconds.
    static bool withinTenSeconds(const std::function<bool()>& body) {
        return underSizeLimit(RLIM_INFINITY, [&] {
            ::alarm(10);
            return body();
        });
    }

    DiskFileSystem files_;

private:
    std::string dir_;
};
using filesystem = Disk;  // names the tests after the code they cover

// The game on the real disk, in the middle of the puzzle above with its answers known.
struct DiskGame {
    explicit DiskGame(FileSystem& files) : game(window, rng, files, [] { return 0.0; }) {
        window.game = &game;
        game.state().started = 2;
        setPuzzle(game.state(), kPuzzle);
        game.state().answer = gridFrom(kSolution);
    }
    ScriptedWindow window;
    SplitMixGenerator rng;
    Game game;
};

}  // namespace

TEST_F(filesystem, ProbeTellsMissingFromWrongNames) {
    put("game.sud", "x");
    put("empty.sud", "");
    stdfs::create_directory(at("sub"));
    for (const auto& [name, probe] : std::vector<std::pair<std::string, FileSystem::Probe>>{
             {"game.sud", FileSystem::Probe::exists},
             {"empty.sud", FileSystem::Probe::exists},
             {"none.sud", FileSystem::Probe::missing},
             {"sub", FileSystem::Probe::error},
             {"nofolder/x.sud", FileSystem::Probe::error},
             {"game.sud/x.sud", FileSystem::Probe::error},
         }) {
        EXPECT_EQ(files_.probe(at(name)), probe) << name;
    }
}

TEST_F(filesystem, OpenReadGivesTheBytesOrNull) {
    put("game.sud", "5,3\r\n\0x"s);
    stdfs::create_directory(at("sub"));
    auto in = files_.openRead(at("game.sud"));
    ASSERT_TRUE(in);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(*in), {}), "5,3\r\n\0x"s);
    EXPECT_FALSE(files_.openRead(at("sub")));
    EXPECT_FALSE(files_.openRead(at("none.sud")));
}

TEST_F(filesystem, ReplaceWritesExactlyTheContent) {
    std::string every;
    for (int c = 0; c < 256; ++c) every += static_cast<char>(c);
    for (const auto& [old, content] : std::vector<std::pair<std::optional<std::string>, std::string>>{
             {std::nullopt, every},
             {std::string(5000, 'o'), "short"},
             {"old answers", ""},
         }) {
        if (old) put("x.sud", *old);
        ASSERT_TRUE(files_.replace(at("x.sud"), content));
        EXPECT_EQ(bytes("x.sud"), content);
        EXPECT_EQ(entries(), std::set<std::string>{"x.sud"});
        stdfs::remove(at("x.sud"));
    }
}

TEST_F(filesystem, FailedReplaceLeavesTheOldFileAndNoTemporary) {
    EXPECT_FALSE(files_.replace(at("nofolder/x.sud"), "content"));
    EXPECT_EQ(entries(), std::set<std::string>{});

    stdfs::create_directory(at("x.sud"));  // a directory in the way
    put("x.sud/inner", "kept");
    EXPECT_FALSE(files_.replace(at("x.sud"), "content"));
    EXPECT_TRUE(stdfs::is_directory(at("x.sud")));
    EXPECT_EQ(bytes("x.sud/inner"), "kept");
    EXPECT_EQ(entries(), std::set<std::string>{"x.sud"});
    stdfs::remove_all(at("x.sud"));

    const std::string old = "the old game, 40 bytes long, not touched";
    put("x.sud", old);
    for (const auto& [size, written] : std::vector<std::pair<std::size_t, bool>>{
             {101, false}, {171, false}, {1 << 20, false}, {100, true}}) {
        EXPECT_EQ(underSizeLimit(100, [&] { return files_.replace(at("x.sud"), std::string(size, '7')); }),
                  written)
            << size;
        EXPECT_EQ(bytes("x.sud"), written ? std::string(size, '7') : old) << size;
        EXPECT_EQ(entries(), std::set<std::string>{"x.sud"}) << size;
        put("x.sud", old);
    }
    EXPECT_FALSE(underSizeLimit(100, [&] { return files_.replace(at("new.sud"), std::string(171, '7')); }));
    EXPECT_EQ(entries(), std::set<std::string>{"x.sud"});
}

TEST_F(filesystem, SaveAndLoadThroughTheGame) {
    ScriptedWindow window;
    SplitMixGenerator rng;
    Game game(window, rng, files_, [] { return 0.0; });
    window.game = &game;
    game.state().started = 2;  // past the first deal
    setPuzzle(game.state(), kPuzzle);
    game.state().answer = gridFrom(kSolution);
    window.answersDialog.push_back(3);
    window.files.push_back({FileChoice::Outcome::chosen, at("hard1.sud")});
    game.sa_Click();
    EXPECT_TRUE(window.messages.empty());
    EXPECT_EQ(bytes("hard1.sud"), writegrid(gridFrom(kPuzzle)));
    EXPECT_EQ(bytes("hard1.ans"), writegrid(gridFrom(kSolution)));

    game.state() = GameState{};
    game.state().started = 2;
    window.files.push_back({FileChoice::Outcome::chosen, at("hard1.sud")});
    game.ent_Click();
    EXPECT_TRUE(window.messages.empty());
    EXPECT_EQ(game.state().board, gridFrom(kPuzzle));
    EXPECT_EQ(game.state().answer, gridFrom(kSolution));
}

TEST_F(filesystem, SaveThatCannotWriteKeepsTheOldFiles) {
    put("hard1.sud", "old game");
    put("hard1.ans", "old answers");
    EXPECT_TRUE(underSizeLimit(100, [&] {
        ScriptedWindow window;
        SplitMixGenerator rng;
        Game game(window, rng, files_, [] { return 0.0; });
        window.game = &game;
        game.state().started = 2;
        setPuzzle(game.state(), kPuzzle);
        window.answersDialog.push_back(1);
        window.files.push_back({FileChoice::Outcome::chosen, at("hard1.sud")});
        window.answers.push_back(Answer::yes);
        game.sa_Click();
        return window.messages.size() == 2 &&
               window.messages[1].text == "Error has occurred, name or permissions may be wrong.";
    }));
    EXPECT_EQ(bytes("hard1.sud"), "old game");
    EXPECT_EQ(bytes("hard1.ans"), "old answers");
    EXPECT_EQ(entries(), (std::set<std::string>{"hard1.sud", "hard1.ans"}));
}

// Whatever a player picks as the game file: only a grid is taken, and what follows its 81st
// field is never read, however large (the huge files are sparse: no disk space used).
TEST_F(filesystem, LoadTakesAGridFromAnyFileAndNothingElse) {
    std::string binary;
    for (int i = 0; i < 4096; ++i) binary += static_cast<char>(i * 131 % 256);
    const auto huge = [&](const std::string& name, const std::string& start) {
        put(name, start);
        stdfs::resize_file(at(name), 16ull << 30);
    };
    struct Row {
        std::string name;
        std::function<void(const std::string&)> make;
        bool loads;
    };
    for (const Row& row : std::vector<Row>{
             {"binary.sud", [&](const std::string& n) { put(n, binary); }, false},
             {"zeros.sud", [&](const std::string& n) { huge(n, ""); }, false},
             {"tail.sud", [&](const std::string& n) { huge(n, writegrid(gridFrom(kSolution))); }, true},
             {"folder.sud", [&](const std::string& n) { stdfs::create_directory(at(n)); }, false},
             {"nofolder/x.sud", [](const std::string&) {}, false},
         }) {
        row.make(row.name);
        DiskGame d(files_);
        d.window.files.push_back({FileChoice::Outcome::chosen, at(row.name)});
        d.game.ent_Click();
        ASSERT_EQ(d.window.messages.size(), 1u) << row.name;
        EXPECT_EQ(d.window.messages[0].text, row.loads ? "Note, No answers available for this puzzle."
                                                       : "No file loaded, please try again")
            << row.name;
        EXPECT_EQ(d.game.state().board, gridFrom(row.loads ? kSolution : kPuzzle)) << row.name;
        EXPECT_EQ(d.game.state().answer, row.loads ? Grid{} : gridFrom(kSolution)) << row.name;
    }
}

// Save where no game file can go: an error and nothing written. An answers name taken by a
// folder keeps the game file and reports only the answers.
TEST_F(filesystem, SaveIntoAFolderOrAMissingFolderWritesNothing) {
    stdfs::create_directory(at("folder.sud"));
    stdfs::create_directory(at("x.ans"));
    const std::string error = "Error has occurred, name or permissions may be wrong.";
    for (const auto& [name, message] : std::vector<std::pair<std::string, std::string>>{
             {"folder.sud", error}, {"nofolder/x.sud", error}, {"x.sud", "problem creating answers"}}) {
        DiskGame d(files_);
        d.window.answersDialog.push_back(3);
        d.window.files.push_back({FileChoice::Outcome::chosen, at(name)});
        d.game.sa_Click();
        ASSERT_EQ(d.window.messages.size(), 1u) << name;
        EXPECT_EQ(d.window.messages[0].text, message) << name;
    }
    EXPECT_EQ(entries(), (std::set<std::string>{"folder.sud", "x.ans", "x.sud"}));
    EXPECT_TRUE(stdfs::is_empty(at("folder.sud")));
    EXPECT_TRUE(stdfs::is_empty(at("x.ans")));
    EXPECT_EQ(bytes("x.sud"), writegrid(gridFrom(kPuzzle)));
}

// A pipe or a device chosen by name is no game file; opening one to read could wait forever
// for a writer, and replacing one (as root) would swap the device for a file.
TEST_F(filesystem, PipesAndDevicesAreWrongNames) {
    ASSERT_EQ(::mkfifo(at("pipe.sud").c_str(), 0600), 0);
    EXPECT_TRUE(withinTenSeconds([&] {
        return files_.probe(at("pipe.sud")) == FileSystem::Probe::error && !files_.openRead(at("pipe.sud")) &&
               files_.probe("/dev/null") == FileSystem::Probe::error && !files_.openRead("/dev/zero");
    }));
}
