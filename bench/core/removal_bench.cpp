// The removal update with its closing stage, timed over a whole game: a dealt board cleared
// pair by pair in an order recorded once, every update of the game in one timed batch. The
// deal before each batch is not timed.
#include "support/board_builder.h"
#include "window/frmmahjongg.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>
#include <utility>
#include <vector>

namespace {

using mj::board::idx;

// The same board every time: the idle board's draws, then the deal.
struct DealtWindow {
    mj::MinimalStandard random;
    mj::Frmmahjongg w{random};
    DealtWindow() {
        w.Form_Load();
        w.Cmdstart_Click();
    }
};

void RemovalUpdatesOfAWholeGame(benchmark::State& state) {
    // The removal update reads only which tiles are present, so the order that clears the
    // board with its faces laid out clears the same deal as dealt, too.
    DealtWindow laidOut;
    const std::vector<std::pair<int, int>> order = mj::testing::makeClearable(laidOut.w);
    if (order.empty()) {
        state.SkipWithError("the board could not be laid out to be cleared");
        return;
    }
    for (auto _ : state) {
        const auto game = std::make_unique<DealtWindow>();
        mj::Frmmahjongg& w = game->w;
        const auto start = std::chrono::steady_clock::now();
        for (const auto& [a, b] : order) {
            w.firstslot = a;
            w.secondslot = b;
            w.Imgtile1[idx(a)].Visible = w.Imgtile1[idx(b)].Visible = false;
            w.tarkistus2();
        }
        const auto end = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(w.tilesleft);
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    }
    // Seconds per update, from the timed batches alone.
    state.counters["per_update"] = benchmark::Counter(
        static_cast<double>(order.size()),
        benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}
BENCHMARK(RemovalUpdatesOfAWholeGame)
    ->UseManualTime()
    ->Iterations(400)
    ->Unit(benchmark::kMicrosecond);

} // namespace
