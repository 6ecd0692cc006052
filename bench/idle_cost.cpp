// What the window costs while nobody touches it, in the real event loop: the process's
// wakeups (voluntary context switches) and CPU time per second, on the idle board before
// Start, in a running game, paused and at game over, each beside a floor measured in the same
// run: a bare Qt window of the same size with only the timers a window in that state must
// wake for (a running game's 50 ms countdown and 998 ms clock; none in the other states).
// The running game is also set beside a second floor, a bare window whose timers repaint the
// rectangles of the countdown and the clock with a number: what the platform itself costs
// for each repaint.
// Usage: idle_cost [SECONDS], each state and each floor measured that long (30 s unless given).
#include "qt/main_window.h"
#include "support/dealt_game.h"

#include <QApplication>
#include <QEventLoop>
#include <QPaintEvent>
#include <QPainter>
#include <QTest>
#include <QTimer>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

struct Usage {
    double cpu = 0;   // seconds, user and system
    long wakeups = 0; // voluntary context switches, every thread of the process
};

Usage usage() {
    rusage r{};
    getrusage(RUSAGE_SELF, &r);
    auto seconds = [](timeval t) {
        return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
    };
    return {seconds(r.ru_utime) + seconds(r.ru_stime), r.ru_nvcsw};
}

// The event loop as the program runs it, for `ms` milliseconds.
void runEventLoop(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

struct Rates {
    double wakeups = 0; // per second
    double cpu = 0;     // milliseconds per second
};

Rates measure(int seconds) {
    const Usage before = usage();
    runEventLoop(seconds * 1000);
    const Usage after = usage();
    return {static_cast<double>(after.wakeups - before.wakeups) / seconds,
            (after.cpu - before.cpu) * 1000 / seconds};
}

std::string residentMemory() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmRSS:", 0) == 0)
            return line.substr(line.find_first_not_of(" \t", 6));
    return "?";
}

void show(QWidget& window) {
    window.show();
    (void)QTest::qWaitForWindowExposed(&window);
}

// Lets what the last event asked for land before anything is measured.
void settle() {
    runEventLoop(500);
}

void press(mj::qt::MainWindow& window, mj::ButtonId id) {
    QTest::mouseClick(&window.button(id), Qt::LeftButton);
}

// Plays the dealt game to its end, then lets the window catch up on the screen and its Qt
// timers.
bool playToTheEnd(mj::qt::MainWindow& window) {
    const bool ended = mj::testing::playToTheEnd(window.game());
    window.afterEvent();
    return ended;
}

// A bare window that paints a number in each rectangle it is asked to repaint.
class BareLabels : public QWidget {
  public:
    int count = 0;

  protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        for (const QRect& r : event->region()) {
            painter.fillRect(r, Qt::green);
            painter.drawText(r, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                             QString::number(count));
        }
    }
};

// The rectangles a running game repaints while nobody touches it: the countdown's, every
// 50 ms, and the clock's, every 998 ms.
struct Repainted {
    QRect countdown;
    QRegion clock;
};

Repainted repaintedBy(const mj::qt::MainWindow& window) {
    const mj::Frmmahjongg& game = window.game();
    const mj::qt::Canvas& canvas = window.canvas();
    return {canvas.pixelRect(game.Lblbonus2),
            QRegion(canvas.pixelRect(game.Lbltime2)) + canvas.pixelRect(game.Lbltime4)};
}

// A bare window of the game's size in the real event loop, with the timers a state needs (or
// none), which repaint the given rectangles if there are any.
Rates measureFloor(int seconds, bool timers, const Repainted& repaints = {}) {
    BareLabels bare;
    bare.resize(mj::Frmmahjongg::ClientWidth / mj::kTwipsPerPixel,
                mj::Frmmahjongg::ClientHeight / mj::kTwipsPerPixel);
    std::vector<std::unique_ptr<QTimer>> running;
    if (timers)
        for (const int interval : {50, 998}) {
            auto& timer = running.emplace_back(std::make_unique<QTimer>());
            timer->setTimerType(Qt::PreciseTimer);
            QObject::connect(timer.get(), &QTimer::timeout, [&bare, &repaints, interval] {
                ++bare.count;
                bare.update(interval == 50 ? QRegion(repaints.countdown) : repaints.clock);
            });
            timer->start(interval);
        }
    show(bare);
    settle();
    return measure(seconds);
}

struct State {
    const char* name;
    std::function<bool(mj::qt::MainWindow&)> reach;
    bool timers; // whether the window must wake for the countdown and the clock
};

void printRow(const char* what, Rates game, Rates floor, int repaints) {
    const auto ratio = [](double a, double b) {
        char text[16] = "     -";
        if (b >= 0.5)
            std::snprintf(text, sizeof text, "%5.2fx", a / b);
        return std::string(text);
    };
    std::printf("%-20s %8.1f %8.1f %s %9.3f %9.3f %s %8d\n", what, game.wakeups, floor.wakeups,
                ratio(game.wakeups, floor.wakeups).c_str(), game.cpu, floor.cpu,
                ratio(game.cpu, floor.cpu).c_str(), repaints);
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int seconds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 30;
    {
        mj::qt::MainWindow window;
        show(window);
        settle();
        std::printf("platform %s, %d s per state; memory after start: %s\n\n",
                    qPrintable(QGuiApplication::platformName()), seconds, residentMemory().c_str());
    }
    std::printf("%-20s %8s %8s %6s %9s %9s %6s %8s\n", "", "wakeup/s", "floor", "ratio", "CPU ms/s",
                "floor", "ratio", "repaints");

    const std::vector<State> states = {
        {"idle before Start", [](mj::qt::MainWindow&) { return true; }, false},
        {"running game",
         [](mj::qt::MainWindow& w) {
             press(w, mj::ButtonId::Cmdstart);
             return w.game().Tmr2.Enabled();
         },
         true},
        {"paused",
         [](mj::qt::MainWindow& w) {
             press(w, mj::ButtonId::Cmdstart);
             press(w, mj::ButtonId::Cmdpause);
             return w.game().paused == 1;
         },
         false},
        {"game over",
         [](mj::qt::MainWindow& w) {
             press(w, mj::ButtonId::Cmdstart);
             return playToTheEnd(w);
         },
         false},
    };
    for (const State& state : states) {
        Rates game;
        int repaints = 0;
        Repainted repainted;
        {
            mj::qt::MainWindow window;
            show(window);
            if (!state.reach(window)) {
                std::printf("%-20s could not be reached\n", state.name);
                continue;
            }
            settle();
            const int paints = window.canvas().paintCount();
            game = measure(seconds);
            repaints = window.canvas().paintCount() - paints;
            repainted = repaintedBy(window);
        }
        const Rates floor = measureFloor(seconds, state.timers);
        printRow(state.name, game, floor, repaints);
        if (state.timers)
            printRow("  beside repaints", game, measureFloor(seconds, true, repainted), repaints);
        std::fflush(stdout);
    }
    return 0;
}
