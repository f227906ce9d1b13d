// Many controls in one window: half charts of 1,000 points drawn without a delay, half map
// controls playing a track from one database, against bare widgets painting the same
// polyline; per control, and at two window sizes to show nothing grows with the square.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QGridLayout>
#include <QPainter>
#include <QWidget>
#include <malloc.h>

#include <functional>
#include <memory>

#include "BenchSupport.h"
#include "fakes/TrackDatabase.h"
#include "tesmo/TesmoWidget.h"

namespace {

using namespace tesmo::bench;

constexpr int kPoints = 1000;

// The memory the program has allocated, large blocks (images) included.
double HeapKiB() {
    const struct mallinfo2 heap = mallinfo2();
    return static_cast<double>(heap.uordblks + heap.hblkhd) / 1024;
}

// The reference control: a widget that paints a polyline of the same points.
class BarePolyline : public QWidget {
public:
    explicit BarePolyline(const QPolygonF& points) : points_(points) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        painter.scale(width() / static_cast<double>(kPoints), height() / 2000000.0);
        painter.translate(0, 1000000);
        QPen pen(Qt::black);
        pen.setCosmetic(true);
        painter.setPen(pen);
        painter.drawPolyline(points_);
    }

private:
    const QPolygonF& points_;
};

// What a window of controls cost, per control: milliseconds to make them, to show them
// painted, and to draw, and KiB of memory in use.
struct PerControl {
    double make = 0, show = 0, draw = 0, kib = 0;
    double total() const { return make + show + draw; }
};

// A window of `n` widgets made by `make(i)`, shown, then each drawn by `draw(i)`.
PerControl Window(int n, const std::function<QWidget*(int)>& make, const std::function<void(int)>& draw) {
    PerControl cost;
    const double before = HeapKiB();
    auto start = std::chrono::steady_clock::now();
    QWidget window;
    auto* grid = new QGridLayout(&window);
    for (int i = 0; i < n; ++i) grid->addWidget(make(i), i / 10, i % 10);
    cost.make = Milliseconds(start) / n;
    start = std::chrono::steady_clock::now();
    window.resize(1280, 900);
    window.show();
    QCoreApplication::processEvents();
    window.repaint();
    cost.show = Milliseconds(start) / n;
    start = std::chrono::steady_clock::now();
    for (int i = 0; i < n; ++i) draw(i);
    QCoreApplication::processEvents();
    window.repaint();
    cost.draw = Milliseconds(start) / n;
    cost.kib = (HeapKiB() - before) / n;
    return cost;
}

PerControl Controls(int n) {
    static const auto walk = Walk(kPoints);
    std::vector<tesmo::TesmoWidget*> controls;
    return Window(
        n,
        [&](int i) {
            auto* control = new tesmo::TesmoWidget;
            controls.push_back(control);
            if (i % 2 == 0) {
                ChartSettings(control->control(), kPoints);
                for (const auto& [x, y] : walk) control->control().Point_Add(x, y);
            } else {
                control->control().setDelay(0);
            }
            return control;
        },
        [&](int i) {
            if (i % 2 == 0) {
                controls[static_cast<std::size_t>(i)]->control().Draw();
            } else {
                controls[static_cast<std::size_t>(i)]->control().DrawTrack("Walk");
            }
        });
}

PerControl Bare(int n) {
    static const QPolygonF points = [] {
        QPolygonF p;
        for (const auto& [x, y] : Walk(kPoints)) p.append(QPointF(x, y));
        return p;
    }();
    std::vector<QWidget*> widgets;
    return Window(
        n,
        [&](int) {
            widgets.push_back(new BarePolyline(points));
            return widgets.back();
        },
        [&](int i) { widgets[static_cast<std::size_t>(i)]->repaint(); });
}

void BM_HundredControls(benchmark::State& state) {
    // One database for the map controls, with a track of 100 points in two branches.
    std::vector<tesmo::test::TrackRow> rows;
    for (int i = 1; i <= 100; ++i)
        rows.push_back({i, "Walk", i <= 50 ? 1 : 2, static_cast<float>(i * 6), static_cast<float>(100 + (i % 17) * 9)});
    tesmo::TesmoWidget::setDefaultAppFolder(QString::fromStdString(tesmo::test::DatabaseWith(rows)));
    const int n = static_cast<int>(state.range(0));
    std::vector<double> make, show, draw, kib, bareMake, bareShow, bareDraw, bareKib, growth;
    for (auto _ : state) {
        const PerControl ours = Controls(n), bare = Bare(n), few = Controls(n / 5);
        make.push_back(ours.make);
        show.push_back(ours.show);
        draw.push_back(ours.draw);
        kib.push_back(ours.kib);
        bareMake.push_back(bare.make);
        bareShow.push_back(bare.show);
        bareDraw.push_back(bare.draw);
        bareKib.push_back(bare.kib);
        growth.push_back(ours.total() / few.total());
        state.SetIterationTime((ours.total() * n) / 1000);
    }
    state.counters["make_ms"] = Median(make);
    state.counters["show_ms"] = Median(show);
    state.counters["draw_ms"] = Median(draw);
    state.counters["kib"] = Median(kib);
    state.counters["bare_make_ms"] = Median(bareMake);
    state.counters["bare_show_ms"] = Median(bareShow);
    state.counters["bare_draw_ms"] = Median(bareDraw);
    state.counters["bare_kib"] = Median(bareKib);
    state.counters["ratio_to_bare"] =
        (Median(make) + Median(show) + Median(draw)) / (Median(bareMake) + Median(bareShow) + Median(bareDraw));
    // The cost per control with n controls over that with a fifth as many: about 1 unless
    // something grows with the square of their number.
    state.counters["growth_per_control"] = Median(growth);
    state.SetLabel("per control");
}
BENCHMARK(BM_HundredControls)->Arg(100)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
