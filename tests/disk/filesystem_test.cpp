// SPDX-License-Identifier: GPL-3.0-or-later
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>

#include <atomic>
#include <filesystem>
#include <fstream>
#include <set>
#include <thread>

#include "disk/atomicfile.h"
#include "disk/diskfilesystem.h"
#include "game/progress.h"
#include "rules/gridtext.h"
#include "rules/units.h"
#include "support/fixture.h"
#include "support/processes.h"

using namespace ninebox;
using namespace ninebox::testing;
namespace stdfs = std::filesystem;

// The disk library's calls that make a replacement last, in order, while `watching`.
std::vector<std::string> calls;
bool watching = false;

extern "C" int fsync(int fd) {
    static const auto real = reinterpret_cast<int (*)(int)>(::dlsym(RTLD_NEXT, "fsync"));
    struct stat info {};
    if (watching) calls.push_back(::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode) ? "sync folder" : "sync");
    return real(fd);
}

extern "C" int renameat(int from, const char* old, int to, const char* name) {
    static const auto real =
        reinterpret_cast<int (*)(int, const char*, int, const char*)>(::dlsym(RTLD_NEXT, "renameat"));
    if (watching) calls.push_back("rename");
    return real(from, old, to, name);
}

namespace {

using Shown = std::vector<Message>;
const Message kError = Message::saveFailed, kQuestion = Message::gameFileExists;
const std::string kGame = writeGrid(gridFrom(kRecordA)), kAnswers = writeGrid(gridFrom(kRecordASolution));

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
    std::set<std::string> entries(const std::string& folder = "") const {
        std::set<std::string> names;
        for (const auto& entry : stdfs::directory_iterator(at(folder))) names.insert(entry.path().filename());
        return names;
    }
    // Save (answers choice 3) or Load of the named file over record A; the messages shown.
    Shown run(void (Game::*command)(), const std::string& name, Answer reply = Answer::no) {
        HeadlessGame h(0, &files_);
        h.playRecordA();
        h.window.answersDialog.push_back(AnswersChoice::answers);
        h.window.files.push_back(chosen(at(name)));
        h.window.answers = {reply, reply};
        (h.game.*command)();
        board_ = h.puzzle().board();
        return h.window.messages;
    }

    std::string dir_;
    DiskFileSystem files_;
    Grid board_{};
};

}  // namespace

// Only a plain file is a game file: opening a pipe would wait for a writer, and replacing a
// device (as root) would swap it for a file. A missing folder is a wrong name, not a missing
// file. The file checked is the file opened: a pipe swapped in for a game file at any moment is
// refused at once by Save's probe and by Load, never waited on.
TEST_F(filesystem, OnlyPlainFilesInExistingFoldersAreGameFiles) {
    put("game.sud", "x");
    put("empty.sud", "");
    stdfs::create_directory(at("sub"));
    ASSERT_EQ(::mkfifo(at("pipe.sud").c_str(), 0600), 0);
    stdfs::create_symlink(at("none.sud"), at("nowhere.sud"));
    using P = FileSystem::Probe;
    const std::vector<std::pair<std::string, P>> probes = {
        {at("game.sud"), P::exists}, {at("empty.sud"), P::exists},     {at("none.sud"), P::missing},
        {at("sub"), P::error},       {at("nofolder/x.sud"), P::error}, {at("game.sud/x.sud"), P::error},
        {at("pipe.sud"), P::error},  {"/dev/null", P::error},         {at("nowhere.sud"), P::error}};
    EXPECT_TRUE(inChild(RLIM_INFINITY, [&] {
        std::atomic<bool> done{false};
        std::thread swapper([&] {  // the pipe and a plain file in turn as swapped.sud
            for (int i = 0; !done; ++i)
                if (::link(at(i % 2 ? "pipe.sud" : "game.sud").c_str(), at("next").c_str()) == 0)
                    ::rename(at("next").c_str(), at("swapped.sud").c_str());
        });
        for (int i = 0; i < 20000; ++i) {
            files_.probe(at("swapped.sud"));
            files_.openRead(at("swapped.sud"), kMaxGridFile);
        }
        done = true;
        swapper.join();
        return std::all_of(probes.begin(), probes.end(),
                           [&](const auto& p) { return files_.probe(p.first) == p.second; }) &&
               !files_.openRead(at("pipe.sud"), kMaxGridFile) &&
               !files_.openRead("/dev/zero", kMaxGridFile) && !files_.openRead(at("sub"), kMaxGridFile);
    }));
}

// Only a grid in a plain file of at most 64 KiB is taken: a bigger game file is refused and
// a bigger answers file gives no answers, both unread (the 16 GB file is sparse).
TEST_F(filesystem, LoadTakesAGridFromAnyFileAndNothingElse) {
    const std::uintmax_t most = kMaxGridFile;
    const std::map<std::string, std::uintmax_t> sizes = {
        {"huge.sud", 16ull << 30}, {"over.sud", most + 1}, {"fit.sud", most}, {"fit.ans", most + 1}};
    for (const auto& [name, size] : sizes) {
        put(name, kAnswers);
        stdfs::resize_file(at(name), size);
    }
    stdfs::create_directory(at("folder.sud"));
    for (const std::string name : {"huge.sud", "over.sud", "folder.sud", "nofolder/x.sud", "fit.sud"}) {
        const bool loads = name == "fit.sud";
        EXPECT_EQ(run(&Game::load, name), loads ? Shown{} : Shown{Message::noFileLoaded}) << name;
        EXPECT_EQ(gridText(board_), loads ? kRecordASolution : kRecordA) << name;
    }
}

// Save writes each file whole through a temporary file and a rename: after a failure the old
// bytes stay, a folder in the way stays empty, and no temporary file is left. A game file
// that would be its own answers file is refused; a name as long as a name may be saves; an
// answers file another game may own (a.b.sud's, which a.c.sud would share) is asked about.
TEST_F(filesystem, SaveWritesWholeFilesOrLeavesTheOldOnes) {
    stdfs::create_directory(at("folder.sud"));
    stdfs::create_directory(at("x.ans"));
    put("old.sud", "old game");
    put("old.ans", "old answers");
    put("same.ans", "old same");
    put("a.b.sud", kGame);
    put("a.ans", kAnswers);
    const std::string longest = std::string(251, 'n') + ".sud";
    const auto save = &Game::save;
    EXPECT_EQ(run(save, "same.ans", Answer::yes), Shown{kError});
    for (const char* name : {"new.ans", "folder.sud", "nofolder/x.sud"})
        EXPECT_EQ(run(save, name), Shown{kError});
    for (const auto command : {save, &Game::load}) EXPECT_EQ(run(command, longest), Shown{});
    EXPECT_EQ(run(save, "ok.sud"), Shown{});
    EXPECT_EQ(run(save, "x.sud"), Shown{Message::answersNotWritten});
    EXPECT_EQ(run(save, "a.c.sud"), (Shown{Message::answersFileExists, kError}));
    EXPECT_TRUE(inChild(100, [&] {  // too small for a game file
        return run(save, "old.sud", Answer::yes).back() == kError && run(save, "new.sud") == Shown{kError};
    }));
    EXPECT_EQ(entries(), (std::set<std::string>{"folder.sud", "x.ans", "x.sud", "ok.sud", "ok.ans", "old.sud",
                                                "old.ans", "same.ans", longest,
                                                longest.substr(0, 252) + "ans", "a.b.sud", "a.ans"}));
    EXPECT_EQ(bytes("ok.sud") + bytes("ok.ans") + bytes("x.sud") + bytes("a.ans"),
              kGame + kAnswers + kGame + kAnswers);
    EXPECT_EQ(bytes("old.sud") + "|" + bytes("old.ans") + "|" + bytes("same.ans"),
              "old game|old answers|old same");
    EXPECT_TRUE(stdfs::is_empty(at("folder.sud")) && stdfs::is_empty(at("x.ans")));
}

// A replacement reported as done survives a power cut: the file is synced before it takes
// the name, and the folder after.
TEST_F(filesystem, ReplacedFilesAndTheirNamesReachTheDisk) {
    watching = true;
    for (int i = 0; i < 2; ++i) ASSERT_TRUE(replaceFile(at("s.sud"), kGame));  // a new file, then over it
    watching = false;
    EXPECT_EQ(calls, (std::vector<std::string>{"sync", "sync folder", "sync", "rename", "sync folder"}));
}

// A save killed at any moment leaves no temporary file once the next save into the folder
// has run; one that a running save holds, and names not of our pattern, stay.
TEST_F(filesystem, KilledSavesLeaveNoTemporaryFileAfterTheNextSave) {
    put("k.sud", "old game");
    killRepeatedly(60, 1000, [&] { files_.replace(at("k.sud"), kGame); });
    for (const char* name : {".ninebox-Ab12Cd", ".ninebox-Held00", ".ninebox-notes"}) put(name, "x");
    const int held = ::open(at(".ninebox-Held00").c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    EXPECT_EQ(run(&Game::save, "k.sud", Answer::yes), Shown{kQuestion});
    ::close(held);
    EXPECT_EQ(entries(), (std::set<std::string>{"k.sud", "k.ans", ".ninebox-Held00", ".ninebox-notes"}));
    EXPECT_EQ(bytes("k.sud"), kGame);
}

// Two programs saving different games under one name at once: each pair is written whole, so
// the game file always keeps its own answers beside it.
TEST_F(filesystem, SavesOfOneNameAtOnceKeepEachGameWithItsAnswers) {
    for (int round = 0; round < 30; ++round) {
        std::vector<pid_t> savers;
        for (const double number : {1.0, 2.0})
            if ((savers.emplace_back(::fork())) == 0) {
                ::alarm(10);
                HeadlessGame h(0, &files_);
                h.deal(number);
                for (int i = 0; i < 4; ++i) {
                    h.window.answersDialog.push_back(AnswersChoice::answers);
                    h.window.files.push_back(chosen(at("p.sud")));
                    h.window.answers = {Answer::yes, Answer::yes};
                    h.game.save();
                }
                ::_exit(0);
            }
        for (const pid_t pid : savers) ::waitpid(pid, nullptr, 0);
        std::istringstream game(bytes("p.sud")), answers(bytes("p.ans"));
        const auto puzzle = readGrid(game), solution = readGrid(answers);
        ASSERT_TRUE(puzzle && solution && solves(*solution, *puzzle)) << "round " << round;
    }
}

// A game killed at any moment, again and again, comes back whole each time (nothing is set
// aside as unreadable) and loses at most the change under way: (1, 1)'s digit tells how far
// it got, each change writing the next one.
TEST_F(filesystem, AKilledGameComesBackWholeLessAtMostItsLastChange) {
    auto* changes = static_cast<int*>(
        ::mmap(nullptr, sizeof(int), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0));
    std::optional<HeadlessGame> h;  // each child's own
    const auto play = [&] {
        if (!h) {
            h.emplace(0, &files_);
            h->game.keepProgressIn(at("game"));
            h->game.start();
            h->window.clipboard = kRecordA;
            if (h->window.caption.kind != Caption::Kind::pasted) h->game.pastePuzzle();
            return;
        }
        h->type(std::to_string((*changes + 1) % 9 + 1));
        ++*changes;
    };
    // Longer lives where a child is slow to start (under valgrind), until changes are made.
    for (int spread = 30000; *changes == 0 && spread < 2'000'000; spread *= 4)
        killRepeatedly(40, spread, play);
    const std::string keptText = bytes("game");
    const auto kept = readProgress(keptText);
    const int n = *changes, digit = kept ? kept->puzzle.digit(1, 1) : -1;
    EXPECT_TRUE(n > 0 && (digit == n % 9 + 1 || digit == (n + 1) % 9 + 1) && !entries().count("game.bad"))
        << n << " " << digit;
    ::munmap(changes, sizeof(int));
    put("game.bad", "earlier");  // a file set aside is never moved over
    EXPECT_TRUE(!files_.moveAside(at("game"), at("game.bad")) &&
                files_.moveAside(at("game"), at("game.bad.2")));
    EXPECT_EQ(bytes("game.bad") + bytes("game.bad.2"), "earlier" + keptText);
}

// The kept game's folders are made for their owner alone. A link in the kept file's place that
// leads nowhere is set aside as anything else unreadable there (the link itself, nothing it
// names), and the first change writes a file of its own.
TEST_F(filesystem, KeptGamesFolderIsPrivateAndALinkNowhereIsSetAside) {
    ASSERT_TRUE(makePrivateFolder(at("state/ninebox")));
    for (const char* folder : {"state", "state/ninebox"})
        EXPECT_EQ(stdfs::status(at(folder)).permissions(), stdfs::perms::owner_all) << folder;
    stdfs::create_symlink(at("elsewhere"), at("state/ninebox/game"));
    HeadlessGame h(0, &files_);
    h.game.keepProgressIn(at("state/ninebox/game"));
    h.game.start();
    h.game.note(1);
    h.game.key(Key::right);
    h.game.note(1);  // one of the first two cells is open
    EXPECT_TRUE(stdfs::is_symlink(at("state/ninebox/game.bad")) && !stdfs::exists(at("elsewhere")) &&
                readProgress(bytes("state/ninebox/game")));
}
