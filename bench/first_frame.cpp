// How long the game takes from the start of its process to its first painted frame, beside a
// floor measured the same way in the same run: a bare Qt window of the same size. The bench
// starts itself again for every sample, handing the child the moment it was started on the
// system's monotonic clock; the child reports once its first paint has run, and quits.
// Usage: first_frame [SAMPLES] (9 of each unless given).
#include "qt/main_window.h"

#include <QApplication>
#include <QTimer>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

extern char** environ;

namespace {

constexpr const char* kStartVariable = "FIRST_FRAME_START_NS";

long long monotonicNs() {
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return static_cast<long long>(t.tv_sec) * 1000000000LL + t.tv_nsec;
}

// Prints the milliseconds from the process's start to the end of the first paint of the
// watched widget, and quits.
class FirstPaint : public QObject {
  public:
    explicit FirstPaint(long long startNs) : startNs_(startNs) {}
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !done_) {
            done_ = true;
            QTimer::singleShot(0, [this] {
                std::printf("%.3f\n", static_cast<double>(monotonicNs() - startNs_) / 1e6);
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    long long startNs_;
    bool done_ = false;
};

int child(int argc, char** argv, bool game) {
    const char* start = std::getenv(kStartVariable);
    if (!start)
        return 2;
    const long long startNs = std::atoll(start);
    QApplication app(argc, argv);
    FirstPaint probe(startNs);
    if (game) {
        mj::qt::MainWindow window;
        window.canvas().installEventFilter(&probe);
        window.show();
        return app.exec();
    }
    QWidget window;
    window.resize(mj::Frmmahjongg::ClientWidth / mj::kTwipsPerPixel,
                  mj::Frmmahjongg::ClientHeight / mj::kTwipsPerPixel);
    window.installEventFilter(&probe);
    window.show();
    return app.exec();
}

// Starts this program again as a child that shows the game or the floor, and returns the
// milliseconds it reports, or a negative number when it fails.
double sample(const char* kind) {
    int out[2];
    if (pipe(out) != 0)
        return -1;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    char self[] = "/proc/self/exe";
    char mode[] = "--child";
    std::string which = kind;
    char* args[] = {self, mode, which.data(), nullptr};
    setenv(kStartVariable, std::to_string(monotonicNs()).c_str(), 1);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, self, &actions, nullptr, args, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    std::string text;
    char buffer[256];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;)
        text.append(buffer, static_cast<std::size_t>(n));
    close(out[0]);
    int status = 0;
    if (spawned != 0 || waitpid(pid, &status, 0) != pid || !WIFEXITED(status) ||
        WEXITSTATUS(status) != 0 || text.empty())
        return -1;
    return std::atof(text.c_str());
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 3 && std::strcmp(argv[1], "--child") == 0)
        return child(argc, argv, std::strcmp(argv[2], "game") == 0);
    const int samples = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
    std::vector<double> game, floor;
    for (int i = 0; i < samples; ++i) {
        const double g = sample("game"), f = sample("floor");
        if (g < 0 || f < 0) {
            std::fprintf(stderr, "a child did not report its first frame\n");
            return 1;
        }
        game.push_back(g);
        floor.push_back(f);
    }
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    std::printf("platform %s, median of %d starts each\n", platform ? platform : "(default)",
                samples);
    std::printf("first frame from process start: %8.1f ms\n", median(game));
    std::printf("  floor: a bare Qt window:      %8.1f ms   ratio %5.2fx\n", median(floor),
                median(game) / median(floor));
    return 0;
}
