#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <functional>
#include <set>

#include "files/filesystem.h"
#include "files/gridfile.h"
#include "support/fixture.h"

using namespace ninebox;
using namespace ninebox::testing;
namespace stdfs = std::filesystem;

namespace {

using Shown = std::vector<std::string>;
const std::string kError = "Sudoku|Error has occurred, name or permissions may be wrong.";
const std::string kGame = writegrid(gridFrom(kRecordA)), kAnswers = writegrid(gridFrom(kRecordASolution));

// Runs body in a child process that cannot hang for more than ten seconds and whose files
// cannot grow past limit bytes (as root, permission bits stop no write).
bool inChild(rlim_t limit, const std::function<bool()>& body) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        const rlimit cap{limit, limit};
        std::signal(SIGXFSZ, SIG_IGN);  // a write past the limit then fails with EFBIG
        ::alarm(10);
        ::_exit(::setrlimit(RLIMIT_FSIZE, &cap) == 0 && body() ? 0 : 1);
    }
    int status = -1;
    return pid > 0 && ::waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// A fresh folder of the test's own under /tmp, removed afterwards, and the game on the real
// disk with record A and its answers.
class filesystem : public ::testing::Test {
protected:
    void SetUp() override {
        char name[] = "/tmp/ninebox-files-XXXXXX";
        ASSERT_NE(::mkdtemp(name), nullptr);
        dir_ = name;
    }
    void TearDown() override { stdfs::remove_all(dir_); }
    std::string at(const std::string& name) const { return dir_ + "/" + name; }
    void put(const std::string& name, const std::string& bytes) const { std::ofstream(at(name)) << bytes; }
    std::string bytes(const std::string& name) const {
        std::ifstream in(at(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    // Save (answers choice 3) or Load of the named file over record A; the messages shown.
    Shown run(void (Game::*command)(), const std::string& name, Answer reply = Answer::no) {
        HeadlessGame h(0, &files_);
        h.playRecordA();
        h.window.answersDialog.push_back(3);
        h.window.files.push_back({FileChoice::Outcome::chosen, at(name)});
        h.window.answers.push_back(reply);
        (h.game.*command)();
        board_ = h.s().board;
        return h.window.messages;
    }

    std::string dir_;
    DiskFileSystem files_;
    Grid board_{};
};

}  // namespace

// Only a plain file is a game file: opening a pipe would wait for a writer, and replacing a
// device (as root) would swap it for a file. A missing folder is a wrong name, not a missing file.
TEST_F(filesystem, OnlyPlainFilesInExistingFoldersAreGameFiles) {
    put("game.sud", "x");
    put("empty.sud", "");
    stdfs::create_directory(at("sub"));
    ASSERT_EQ(::mkfifo(at("pipe.sud").c_str(), 0600), 0);
    using P = FileSystem::Probe;
    const std::vector<std::pair<std::string, P>> probes = {
        {at("game.sud"), P::exists}, {at("empty.sud"), P::exists},     {at("none.sud"), P::missing},
        {at("sub"), P::error},       {at("nofolder/x.sud"), P::error}, {at("game.sud/x.sud"), P::error},
        {at("pipe.sud"), P::error},  {"/dev/null", P::error}};
    EXPECT_TRUE(inChild(RLIM_INFINITY, [&] {
        return std::all_of(probes.begin(), probes.end(),
                           [&](const auto& p) { return files_.probe(p.first) == p.second; }) &&
               !files_.openRead(at("pipe.sud")) && !files_.openRead("/dev/zero") &&
               !files_.openRead(at("sub"));
    }));
}

// Only a grid is taken, and nothing after its 81st field or past 64 characters of one field
// is read (the 16 GB files are sparse: no disk space used).
TEST_F(filesystem, LoadTakesAGridFromAnyFileAndNothingElse) {
    put("zeros.sud", "");
    put("tail.sud", kAnswers);
    for (const char* huge : {"zeros.sud", "tail.sud"}) stdfs::resize_file(at(huge), 16ull << 30);
    stdfs::create_directory(at("folder.sud"));
    for (const std::string name : {"zeros.sud", "folder.sud", "nofolder/x.sud", "tail.sud"}) {
        const bool loads = name == "tail.sud";
        EXPECT_EQ(run(&Game::ent_Click, name),
                  Shown{loads ? "Sudoku|Note, No answers available for this puzzle."
                              : "Sudoku|No file loaded, please try again"})
            << name;
        EXPECT_EQ(gridText(board_), loads ? kRecordASolution : kRecordA) << name;
    }
}

// Save writes each file whole through a temporary file and a rename: after a failure the old
// bytes stay, a folder in the way stays empty, and no temporary file is left.
TEST_F(filesystem, SaveWritesWholeFilesOrLeavesTheOldOnes) {
    stdfs::create_directory(at("folder.sud"));
    stdfs::create_directory(at("x.ans"));
    put("old.sud", "old game");
    put("old.ans", "old answers");
    EXPECT_EQ(run(&Game::sa_Click, "ok.sud"), Shown{});
    EXPECT_EQ(run(&Game::sa_Click, "folder.sud"), Shown{kError});
    EXPECT_EQ(run(&Game::sa_Click, "nofolder/x.sud"), Shown{kError});
    EXPECT_EQ(run(&Game::sa_Click, "x.sud"), Shown{"problem|problem creating answers"});
    EXPECT_TRUE(inChild(100, [&] {  // too small for a game file
        return run(&Game::sa_Click, "old.sud", Answer::yes).back() == kError &&
               run(&Game::sa_Click, "new.sud") == Shown{kError};
    }));
    std::set<std::string> entries;
    for (const auto& entry : stdfs::directory_iterator(dir_)) entries.insert(entry.path().filename());
    EXPECT_EQ(entries, (std::set<std::string>{"folder.sud", "x.ans", "x.sud", "ok.sud", "ok.ans", "old.sud",
                                              "old.ans"}));
    EXPECT_EQ(bytes("ok.sud") + bytes("ok.ans") + bytes("x.sud"), kGame + kAnswers + kGame);
    EXPECT_EQ(bytes("old.sud") + "|" + bytes("old.ans"), "old game|old answers");
    EXPECT_TRUE(stdfs::is_empty(at("folder.sud")) && stdfs::is_empty(at("x.ans")));
}
