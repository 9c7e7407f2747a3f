#pragma once
// A generator whose draws come from a script; it records the bounds it was asked for.

#include <deque>
#include <vector>

#include "puzzles/generator.h"

namespace ninebox::testing {

class ScriptedGenerator : public Generator {
public:
    std::deque<std::int32_t> script;
    std::vector<std::int32_t> bounds;
    std::vector<double> mixed;
    int resets = 0;

    void rndreset() override { ++resets; }
    void rndmix(double v) override { mixed.push_back(v); }
    double rndnext() override { return 0.0; }
    std::int32_t rnddraw(std::int32_t m) override {
        bounds.push_back(m);
        if (script.empty()) return 0;
        const std::int32_t d = script.front();
        script.pop_front();
        return d;
    }
};

}  // namespace ninebox::testing
