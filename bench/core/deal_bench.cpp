// One deal on a window created once: the whole board is hidden, ordered, faced, shuffled
// (10001 to 30000 swap passes) and shown again on every call.
#include "window/frmmahjongg.h"

#include <benchmark/benchmark.h>

namespace {

void BM_Deal(benchmark::State& state) {
    mj::MinimalStandard random;
    mj::Frmmahjongg window(random);
    window.Form_Load();
    for (auto _ : state) {
        window.arvonta();
        benchmark::DoNotOptimize(window.Imgtile1.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Deal)->Unit(benchmark::kMicrosecond);

} // namespace
