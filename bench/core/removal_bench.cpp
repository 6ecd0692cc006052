// One whole removal update with its closing stage, on pairs of free tiles of dealt boards.
#include "window/click_rule.h"

#include <benchmark/benchmark.h>

#include <utility>

namespace {

using mj::board::idx;

bool clickable(const mj::Frmmahjongg& w, int s) {
    const mj::Image& t = w.Imgtile1[idx(s)];
    const auto hit = mj::controlAt(w, t.Left + 240, t.Top + 300);
    return hit && hit->kind == mj::ControlKind::Tile && hit->index == s && t.Enabled;
}

// Two free tiles with one face, or {-1, -1}.
std::pair<int, int> freePair(const mj::Frmmahjongg& w) {
    for (int a = 0; a < mj::board::kSlots; ++a) {
        if (!clickable(w, a))
            continue;
        for (int b = a + 1; b < mj::board::kSlots; ++b)
            if (w.Imgtile1[idx(a)].Picture == w.Imgtile1[idx(b)].Picture && clickable(w, b))
                return {a, b};
    }
    return {-1, -1};
}

void RemovalUpdateWithClosingStage(benchmark::State& state) {
    mj::MinimalStandard random;
    mj::Frmmahjongg w(random);
    w.Form_Load();
    w.Cmdstart_Click();
    for (auto _ : state) {
        state.PauseTiming();
        auto [a, b] = freePair(w);
        if (a < 0 || w.tilesleft <= 2) {
            w.Cmdstart_Click();
            std::tie(a, b) = freePair(w);
        }
        w.firstslot = a;
        w.secondslot = b;
        w.Imgtile1[idx(a)].Visible = w.Imgtile1[idx(b)].Visible = false;
        state.ResumeTiming();
        w.tarkistus2();
    }
}
BENCHMARK(RemovalUpdateWithClosingStage)->Unit(benchmark::kMicrosecond);

} // namespace
