#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "board/clock.h"
#include "support/fixture.h"

using namespace ninebox;
using namespace ninebox::testing;

namespace {

constexpr char kSolution[] =
    "735482169418965723629713458981376245354129687276854931862597314147238596593641872";

struct Clocked : HeadlessGame {
    Clocked() {
        s().started = 2;
        game.stm_Click();  // "Show Time" on
    }
    std::string tick() {
        game.Timer1_Timer();
        return window.clockReadings.empty() ? std::string() : window.clockReadings.back();
    }
};

}  // namespace

TEST(ClockReading, OneTickFromEachCount) {
    struct Case {
        std::int64_t before;
        const char* reading;
    };
    for (const Case& c : std::vector<Case>{{0, "00:00:01"},
                                           {58, "00:00:59"},
                                           {59, "00:01:00"},
                                           {3599, "01:00:00"},
                                           {3724, "01:02:05"},
                                           {359999, "100:00:00"},
                                           {3600000 - 1, "1000:00:00"}}) {
        Clocked t;
        t.s().secs = c.before;
        EXPECT_EQ(t.tick(), c.reading) << c.before;
        EXPECT_EQ(t.s().secs, c.before + 1);
    }
}

TEST(ClockCounting, SolvedBoardFreezesAndABrokenOneResumes) {
    Clocked t;
    setPuzzle(t.s(), kSolution);
    t.game.showboard();  // judges the board: solved
    ASSERT_EQ(t.s().solved, 1);
    t.s().secs = 100;
    EXPECT_EQ(t.tick(), "00:01:40");
    EXPECT_EQ(t.tick(), "00:01:40");
    EXPECT_EQ(t.s().secs, 100);

    t.s().board[5][5] = 0;
    t.game.showboard();
    EXPECT_EQ(t.tick(), "00:01:41");
}

TEST(ClockCounting, HiddenClockDrawsNothingButCounts) {
    Clocked t;
    t.game.stm_Click();  // off again
    for (int i = 0; i < 5; ++i) t.game.Timer1_Timer();
    EXPECT_TRUE(t.window.clockReadings.empty());
    EXPECT_EQ(t.s().secs, 5);
    t.game.stm_Click();
    EXPECT_EQ(t.tick(), "00:00:06");
}

TEST(ClockSetting, ShowTimeFlipsTheMarkWithoutARedraw) {
    HeadlessGame t;
    const int paints = t.window.paints;
    t.game.stm_Click();
    EXPECT_TRUE(t.s().checked(Item::stm));
    EXPECT_TRUE(t.window.checks[Item::stm]);
    t.game.stm_Click();
    EXPECT_FALSE(t.s().checked(Item::stm));
    EXPECT_EQ(t.window.paints, paints);
}

TEST(ClockCounting, NewGameStartsFromZero) {
    Clocked t;
    t.s().secs = 500;
    t.deal(1234);
    EXPECT_EQ(t.tick(), "00:00:01");
}
