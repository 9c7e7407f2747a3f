// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The pseudo-random generator behind every chance element of the game. A game number
// seeds it (reset, then mix), so the number alone fixes the puzzle; the interface is
// virtual so that tests can script every draw.

#include <cstdint>

namespace ninebox {

class Generator {
public:
    virtual ~Generator() = default;
    virtual void reset() = 0;                       // one fixed state, whatever came before
    virtual void mix(double v) = 0;                 // fold v into the state
    virtual double next() = 0;                      // 0 <= r < 1
    virtual std::int32_t draw(std::int32_t m) = 0;  // floor(r * m), 0 <= d < m
};

// SplitMix64 (Steele, Lea and Flood, "Fast splittable pseudorandom number generators",
// OOPSLA 2014): the state is a 64-bit counter advanced by the golden-ratio increment
// 0x9E3779B97F4A7C15 and each output is the counter passed through a fixed bijective
// finaliser (xor-shift 30, multiply, xor-shift 27, multiply, xor-shift 31).
//
// mix folds a double in by its bit pattern: the state becomes the finaliser of
// (state xor bits). Every zero (0 and -0) folds as +0 and every NaN as one canonical quiet
// NaN, so the result depends only on the number's value; infinities fold like any other
// pattern. next takes the top 32 bits of an output as a fraction r = bits / 2^32, so
// r * m is exact in a double for every bound below 2^21 and draw(m) = floor(r * m) is
// always in 0..m-1. Integer arithmetic only: the same number gives the same draws on every
// compiler and machine.
class SplitMixGenerator final : public Generator {
public:
    SplitMixGenerator() { reset(); }
    void reset() override;
    void mix(double v) override;
    double next() override;
    std::int32_t draw(std::int32_t m) override;

private:
    std::uint64_t state_ = 0;
};

}  // namespace ninebox
