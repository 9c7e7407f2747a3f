#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "puzzles/generator.h"

using ninebox::SplitMixGenerator;

namespace {

std::vector<std::int32_t> draws(SplitMixGenerator& g, std::int32_t bound, int n = 8) {
    std::vector<std::int32_t> out;
    for (int i = 0; i < n; ++i) out.push_back(g.rnddraw(bound));
    return out;
}

std::vector<std::int32_t> seeded(double seed) {
    SplitMixGenerator g;
    g.rndreset();
    g.rndmix(seed);
    return draws(g, 1000000);
}

}  // namespace

TEST(Generator, ResetForgetsEverythingBefore) {
    SplitMixGenerator a, b;
    a.rndmix(12345.678);
    draws(a, 30, 17);
    a.rndreset();
    b.rndreset();
    EXPECT_EQ(draws(a, 9), draws(b, 9));
}

TEST(Generator, SameSeedSameDrawsWhateverCameBetween) {
    SplitMixGenerator g;
    g.rndmix(99.0);
    draws(g, 5, 3);
    g.rndreset();
    g.rndmix(777.0);
    const auto first = draws(g, 1000000);
    draws(g, 3, 11);
    g.rndreset();
    g.rndmix(777.0);
    EXPECT_EQ(draws(g, 1000000), first);
}

TEST(Generator, SeedsFoldByValue) {
    EXPECT_EQ(seeded(0.0), seeded(-0.0));
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(seeded(nan), seeded(-nan));
    EXPECT_EQ(seeded(nan), seeded(std::numeric_limits<double>::signaling_NaN()));
    // Distinct values, fractional, negative and infinite alike, are distinct seeds.
    const std::vector<double> seeds = {0.0, 1.0, -1.0, 12.5, 12.25, 1e300, -1e-300,
                                       std::numeric_limits<double>::infinity(),
                                       -std::numeric_limits<double>::infinity(), nan};
    for (std::size_t i = 0; i < seeds.size(); ++i)
        for (std::size_t j = i + 1; j < seeds.size(); ++j)
            EXPECT_NE(seeded(seeds[i]), seeded(seeds[j])) << seeds[i] << " vs " << seeds[j];
}

TEST(Generator, DrawsStayBelowTheirBoundAndCoverIt) {
    SplitMixGenerator g;
    g.rndreset();
    g.rndmix(3.0);
    for (const std::int32_t bound : {1, 3, 5, 9, 30, 1000000}) {
        std::vector<int> hits(bound <= 30 ? static_cast<std::size_t>(bound) : 0, 0);
        for (int i = 0; i < 20000; ++i) {
            const std::int32_t d = g.rnddraw(bound);
            ASSERT_GE(d, 0);
            ASSERT_LT(d, bound);
            if (bound <= 30) ++hits[static_cast<std::size_t>(d)];
        }
        for (std::size_t v = 0; v < hits.size(); ++v) EXPECT_GT(hits[v], 0) << "bound " << bound;
    }
    for (int i = 0; i < 1000; ++i) {
        const double r = g.rndnext();
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
    }
}

// Game numbers must give the same puzzles on every build: these draws are the contract.
TEST(Generator, DrawsArePinned) {
    EXPECT_EQ(seeded(0.0), (std::vector<std::int32_t>{7553, 514455, 328761, 518141, 592927, 819971, 275341, 675958}));
    EXPECT_EQ(seeded(123.0), (std::vector<std::int32_t>{424517, 986306, 45177, 431799, 77933, 685854, 408140, 584239}));
}
