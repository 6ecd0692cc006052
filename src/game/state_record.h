// The game state record: the plain fields through which every handler of the window works.
#pragma once

#include "board/geometry.h"

#include <array>
#include <cstdint>

namespace mj {

// A field that may hold a 16-bit or 32-bit integer or a float in which the game only ever
// keeps whole numbers; 32 bits are wide enough for every value it takes.
using Tagged = std::int32_t;

// The fields in the order the window object holds them.
struct StateRecord {
    Tagged randomvalue = 0;
    Tagged randomindex = 0;
    std::int16_t swapslot = 0;
    Tagged loopindex = 0;
    Tagged innerindex = 0;
    Tagged firstslot = 0;
    Tagged secondslot = 0;
    std::int16_t selectcount = 0;
    std::array<std::int16_t, board::kTileImages> dealorder{};
    Tagged dealcandidate = 0;
    Tagged minutes = 0;
    std::int32_t seconds = 0;
    Tagged bestminutes = 0;
    std::int32_t bestseconds = 0;
    std::int16_t clickhandled = 0;
    Tagged bonus = 0;
    std::int16_t pairpoints = 0;
    std::int32_t score = 0;
    std::int32_t bestscore = 0;
    std::int16_t tilesleft = 0;
    std::int16_t pairmatched = 0;
    std::int16_t clickedslot = 0;
    std::int16_t paused = 0;
    Tagged tmr2held = 0;
    Tagged tmr3held = 0;
    Tagged tmr4held = 0;
};

// Calls f(name, field) for every single-valued field, in the record's order; the deal's
// array `dealorder` is left out.
template <class Record, class F> void forEachField(Record& r, F&& f) {
    f("randomvalue", r.randomvalue);
    f("randomindex", r.randomindex);
    f("swapslot", r.swapslot);
    f("loopindex", r.loopindex);
    f("innerindex", r.innerindex);
    f("firstslot", r.firstslot);
    f("secondslot", r.secondslot);
    f("selectcount", r.selectcount);
    f("dealcandidate", r.dealcandidate);
    f("minutes", r.minutes);
    f("seconds", r.seconds);
    f("bestminutes", r.bestminutes);
    f("bestseconds", r.bestseconds);
    f("clickhandled", r.clickhandled);
    f("bonus", r.bonus);
    f("pairpoints", r.pairpoints);
    f("score", r.score);
    f("bestscore", r.bestscore);
    f("tilesleft", r.tilesleft);
    f("pairmatched", r.pairmatched);
    f("clickedslot", r.clickedslot);
    f("paused", r.paused);
    f("tmr2held", r.tmr2held);
    f("tmr3held", r.tmr3held);
    f("tmr4held", r.tmr4held);
}

} // namespace mj
