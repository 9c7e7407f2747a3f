// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Behind every chance element; a game number seeds it (reset, then mix). Virtual so that tests
// can script every draw.

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

// SplitMix64 (Steele, Lea and Flood, OOPSLA 2014), integer arithmetic only, so the same number
// gives the same draws on every machine. mix: the state becomes the finaliser of (state xor the
// double's bits), every zero folding as +0 and every NaN as one quiet NaN. next: the top 32 bits
// of an output over 2^32, so r * m is exact for m below 2^21.
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
