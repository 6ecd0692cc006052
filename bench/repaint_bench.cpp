// Repaints of the game's canvas on whichever platform QT_QPA_PLATFORM names (offscreen when
// none), each beside a floor measured in the same run, the two taking turns so that a change
// in the machine's load falls on both:
// - the full repaint of the first screen and of a game screen, beside a plain loop that blits
//   the same shown images, bottom first, into a pixmap of the canvas's size;
// - a tile click, from the mouse release that selects a free tile (after its press) until the
//   changed region is painted and flushed, beside the plain blit of the images the click changed,
//   and beside a bare Qt window that on the same click updates and paints the same images.
// Each figure is the median of its samples. An optional argument sets the number of samples.
#include "qt/main_window.h"
#include "window/click_rule.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <memory>
#include <vector>

namespace {

using mj::board::idx;
using Clock = std::chrono::steady_clock;

struct Blit {
    const QImage* picture;
    QPoint at;
};

// The real window, shown, on the first screen or with a game dealt.
struct Shown {
    explicit Shown(bool dealt) {
        window.show();
        (void)QTest::qWaitForWindowExposed(&window);
        if (dealt)
            QTest::mouseClick(&window.button(mj::ButtonId::Cmdstart), Qt::LeftButton);
        QTest::qWait(100); // let the repaints land
    }
    mj::qt::MainWindow window;
    mj::qt::Pictures pictures{window.game().pictures}; // the same pixels, for the floors
};

// The shown images of a window, bottom first, as a full repaint draws them.
std::vector<Blit> shownImages(const Shown& s) {
    std::vector<Blit> blits;
    const auto order = mj::drawingOrder();
    for (auto it = order.rbegin(); it != order.rend(); ++it)
        if (const mj::Image* image = mj::imageOf(s.window.game(), *it); image && image->Visible)
            blits.push_back(
                {&s.pictures.image(image->Picture), s.window.canvas().pixelRect(*image).topLeft()});
    return blits;
}

// The floor of a repaint: the images blitted in a plain loop into a pixmap of the canvas's
// size.
class PlainBlit {
  public:
    explicit PlainBlit(std::vector<Blit> blits)
        : blits_(std::move(blits)), target_(mj::Frmmahjongg::ClientWidth / mj::kTwipsPerPixel,
                                            mj::Frmmahjongg::ClientHeight / mj::kTwipsPerPixel) {}
    void operator()() {
        QPainter painter(&target_);
        for (const Blit& b : blits_)
            painter.drawImage(b.at, *b.picture);
    }
    std::size_t size() const { return blits_.size(); }

  private:
    std::vector<Blit> blits_;
    QPixmap target_;
};

// The press of a click, which the timing leaves out: the click happens at its release.
void press(QWidget& target, QPoint at) {
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(at), target.mapToGlobal(QPointF(at)),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&target, &press);
}

// The release of a click as the window system delivers it to a widget, and the repaint it
// asks for, painted and flushed.
bool clickAndPaint(QWidget& target, QPoint at, const std::function<int()>& paints) {
    const int before = paints();
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(at), target.mapToGlobal(QPointF(at)),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&target, &release);
    QCoreApplication::sendPostedEvents();
    const auto deadline = Clock::now() + std::chrono::seconds(1);
    while (paints() == before && Clock::now() < deadline)
        QCoreApplication::processEvents();
    return paints() != before;
}

// A free tile of the dealt board, the pixel at its centre, and what selecting it changes:
// the images whose look differs afterwards, bottom first, with their new pictures, and the
// areas they showed in or show in.
struct TileClick {
    int slot = -1;
    QPoint centre;
    std::vector<Blit> changed;
    std::vector<QRect> areas;

    explicit TileClick(Shown& s) {
        mj::Frmmahjongg& w = s.window.game();
        for (int t = mj::board::kSlots - 1; t >= 0 && slot < 0; --t) {
            const mj::Image& tile = w.Imgtile1[idx(t)];
            const auto hit = mj::controlAt(w, tile.Left + 240, tile.Top + 300);
            if (hit && hit->kind == mj::ControlKind::Tile && hit->index == t && tile.Enabled)
                slot = t;
        }
        if (slot < 0)
            return;
        const mj::Image& tile = w.Imgtile1[idx(slot)];
        centre = {(tile.Left + 240) / mj::kTwipsPerPixel, (tile.Top + 300) / mj::kTwipsPerPixel};
        const auto order = mj::drawingOrder();
        std::vector<mj::Image> before;
        for (auto it = order.rbegin(); it != order.rend(); ++it)
            if (const mj::Image* image = mj::imageOf(w, *it))
                before.push_back(*image);
        mj::clickAt(w, tile.Left + 240, tile.Top + 300); // select
        std::size_t i = 0;
        for (auto it = order.rbegin(); it != order.rend(); ++it) {
            const mj::Image* image = mj::imageOf(w, *it);
            if (!image)
                continue;
            const mj::Image& was = before[i++];
            if (was.Visible == image->Visible && was.Picture == image->Picture &&
                was.Left == image->Left && was.Top == image->Top)
                continue;
            if (image->Visible)
                changed.push_back({&s.pictures.image(image->Picture),
                                   s.window.canvas().pixelRect(*image).topLeft()});
            areas.push_back(s.window.canvas().pixelRect(was.Visible ? was : *image));
        }
        mj::clickAt(w, tile.Left + 240, tile.Top + 300); // and deselect again
        s.window.afterEvent();
        QTest::qWait(50);
    }
};

// The floor program for the click: a bare widget of the canvas's size in a window of the
// game window's size that, on a click, updates the same areas and paints the same images.
class BareCanvas : public QWidget {
  public:
    BareCanvas(const TileClick& click, QWidget* parent) : QWidget(parent), click_(click) {
        setFixedSize(parent->size());
        setAttribute(Qt::WA_OpaquePaintEvent);
    }
    int paints = 0;

  protected:
    void mouseReleaseEvent(QMouseEvent*) override {
        for (const QRect& r : click_.areas)
            update(r);
    }
    void paintEvent(QPaintEvent* event) override {
        ++paints;
        QPainter painter(this);
        for (const QRect& r : event->region())
            painter.fillRect(r, QColor(0x00, 0xFF, 0x00));
        for (const Blit& b : click_.changed)
            painter.drawImage(b.at, *b.picture);
    }

  private:
    const TileClick& click_;
};

double microseconds(Clock::duration d) {
    return std::chrono::duration<double, std::micro>(d).count();
}

double median(std::vector<double> samples) {
    std::sort(samples.begin(), samples.end());
    return samples.empty() ? 0 : samples[samples.size() / 2];
}

// Times `figure` and each floor in turn, `samples` times, and prints the medians and ratios.
// Each step returns the time it measured, or a negative time when it failed.
void compare(const char* what, int samples, const std::function<double()>& figure,
             const std::vector<std::pair<const char*, std::function<double()>>>& floors) {
    std::vector<double> figures;
    std::vector<std::vector<double>> floorTimes(floors.size());
    for (int i = 0; i < samples; ++i) {
        const double t = figure();
        if (t < 0) {
            std::printf("%s: failed\n", what);
            return;
        }
        figures.push_back(t);
        for (std::size_t f = 0; f < floors.size(); ++f)
            floorTimes[f].push_back(floors[f].second());
    }
    const double m = median(figures);
    std::printf("%-34s %9.2f us\n", what, m);
    for (std::size_t f = 0; f < floors.size(); ++f) {
        const double floor = median(floorTimes[f]);
        std::printf("  floor: %-46s %9.2f us   ratio %5.2fx\n", floors[f].first, floor, m / floor);
    }
}

template <class F> std::function<double()> timed(F f) {
    return [f]() mutable {
        const auto start = Clock::now();
        f();
        return microseconds(Clock::now() - start);
    };
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int samples = argc > 1 ? std::max(1, std::atoi(argv[1])) : 2000;
    std::printf("platform %s, %d samples each\n\n", qPrintable(QGuiApplication::platformName()),
                samples);

    for (const bool dealt : {false, true}) {
        Shown s(dealt);
        PlainBlit blit(shownImages(s));
        char floorName[64];
        std::snprintf(floorName, sizeof floorName, "plain blit of the %zu shown images",
                      blit.size());
        compare(dealt ? "full repaint, game screen" : "full repaint, first screen", samples,
                timed([&] { s.window.canvas().repaint(); }), {{floorName, timed(std::ref(blit))}});
    }

    Shown s(true);
    const TileClick click(s);
    if (click.slot < 0) {
        std::printf("no free tile on the board\n");
        return 1;
    }
    mj::qt::Canvas& canvas = s.window.canvas();
    const auto canvasPaints = [&canvas] { return canvas.paintCount(); };
    QWidget bareWindow;
    bareWindow.resize(s.window.size());
    auto* bare = new BareCanvas(click, &bareWindow);
    bareWindow.show();
    (void)QTest::qWaitForWindowExposed(&bareWindow);
    const auto barePaints = [bare] { return bare->paints; };
    PlainBlit changed(click.changed);

    // Each sample selects the tile; the click that deselects it again is not timed.
    const auto gameClick = [&]() -> double {
        press(canvas, click.centre);
        const auto start = Clock::now();
        const bool painted = clickAndPaint(canvas, click.centre, canvasPaints);
        const double t = microseconds(Clock::now() - start);
        const bool selected = s.window.game().selectcount == 1;
        press(canvas, click.centre);
        clickAndPaint(canvas, click.centre, canvasPaints);
        return painted && selected ? t : -1;
    };
    const auto bareClick = [&]() -> double {
        press(*bare, click.centre);
        const auto start = Clock::now();
        clickAndPaint(*bare, click.centre, barePaints);
        const double t = microseconds(Clock::now() - start);
        press(*bare, click.centre);
        clickAndPaint(*bare, click.centre, barePaints);
        return t;
    };
    char changedName[64];
    std::snprintf(changedName, sizeof changedName, "plain blit of the %zu changed image(s)",
                  changed.size());
    compare("tile click, selecting a tile", samples, gameClick,
            {{changedName, timed(std::ref(changed))},
             {"bare Qt window, same click and images", bareClick}});

    // The repaint alone: the canvas painting the area the click changed into a pixmap, with
    // the tile selected, beside the plain blit of the changed images into one.
    QRegion area;
    for (const QRect& r : click.areas)
        area += r;
    press(canvas, click.centre);
    clickAndPaint(canvas, click.centre, canvasPaints);
    compare("repaint of the clicked tile's area", samples, timed([&] { canvas.repaint(area); }),
            {{changedName, timed(std::ref(changed))},
             {"bare Qt window, same area and images", timed([&] { bare->repaint(area); })}});
    return 0;
}
