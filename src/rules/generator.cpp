// SPDX-License-Identifier: GPL-3.0-or-later
#include "rules/generator.h"

#include <cmath>
#include <cstring>
#include <limits>

namespace ninebox {

namespace {

constexpr std::uint64_t kResetState = 0x4E696E65626F7831ULL;  // "Ninebox1"
constexpr std::uint64_t kGolden = 0x9E3779B97F4A7C15ULL;

std::uint64_t finalise(std::uint64_t z) {
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

std::uint64_t bitsOf(double v) {
    if (v == 0.0) v = 0.0;  // -0 folds as +0
    if (std::isnan(v)) v = std::numeric_limits<double>::quiet_NaN();
    std::uint64_t bits = 0;
    std::memcpy(&bits, &v, sizeof bits);
    return bits;
}

}  // namespace

void SplitMixGenerator::reset() { state_ = kResetState; }

void SplitMixGenerator::mix(double v) { state_ = finalise(state_ ^ bitsOf(v)); }

double SplitMixGenerator::next() {
    state_ += kGolden;
    const auto top = static_cast<std::uint32_t>(finalise(state_) >> 32);
    return static_cast<double>(top) / 4294967296.0;
}

std::int32_t SplitMixGenerator::draw(std::int32_t m) {
    const double r = next();
    if (m <= 1) return 0;
    return static_cast<std::int32_t>(std::floor(r * m));
}

}  // namespace ninebox
