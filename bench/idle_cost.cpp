// The cost of the window while nothing happens: CPU time over 10 s on the idle board and over
// 10 s of a running game (the 2 ms timer keeps drawing all along), and the memory in use.
#include "qt/main_window.h"

#include <QApplication>
#include <QTest>

#include <sys/resource.h>

#include <cstdio>
#include <fstream>
#include <string>

namespace {

double cpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](timeval t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
    };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

std::string residentMemory() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return line.substr(6);
    return "?";
}

void measure(const char* what, int seconds, mj::qt::MainWindow& window) {
    const int paints = window.canvas().paintCount();
    const double before = cpuSeconds();
    QTest::qWait(seconds * 1000);
    std::printf("%-22s %6.3f s CPU in %d s, %d repaints\n", what, cpuSeconds() - before, seconds,
                window.canvas().paintCount() - paints);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    mj::qt::MainWindow window;
    window.show();
    (void)QTest::qWaitForWindowExposed(&window);
    QTest::qWait(500);
    std::printf("memory after start:    %s\n", residentMemory().c_str());
    measure("idle board:", 10, window);
    QTest::mouseClick(&window.button(mj::ButtonId::Cmdstart), Qt::LeftButton);
    measure("running game:", 10, window);
    return 0;
}
