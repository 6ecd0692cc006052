// One full repaint of the first screen, on whichever platform QT_QPA_PLATFORM names.
#include "qt/main_window.h"

#include <QApplication>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

void FullRepaintOfTheFirstScreen(benchmark::State& state) {
    mj::qt::MainWindow window;
    window.show();
    (void)QTest::qWaitForWindowExposed(&window);
    for (auto _ : state)
        window.canvas().repaint();
}
BENCHMARK(FullRepaintOfTheFirstScreen)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
