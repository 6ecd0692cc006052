// Small readers of the window and the random source that many tests use.
#pragma once

#include "window/frmmahjongg.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace mj::testing {

// The lines of a dump keyed by their name: "field score", "Cmdstart", "Imgtile1(5)", ...; the
// value is the rest of the line.
std::map<std::string, std::string> dumpLines(const std::string& dump);

// The face template a tile's picture is, or -1 when it is none of them.
int templateOf(const Frmmahjongg& w, int slot);

// The corner template a corner piece's picture is, or -1 when it is none of them.
int cornerOf(const Frmmahjongg& w, int piece);

// The real generator, with every draw and its bound recorded; a draw of 149 can be forced to
// one value, so that every swap pass of a deal has two equal slots.
struct RecordingSource : RandomSource {
    MinimalStandard real;
    std::vector<std::pair<int, int>> draws; // bound, value
    bool equalSwaps = false;

    int draw(int bound) override {
        int v = real.draw(bound);
        if (equalSwaps && bound == 149)
            v = 7;
        draws.emplace_back(bound, v);
        return v;
    }
};

} // namespace mj::testing
