// Chart mode: adding points, drawing them (against plain QPainter lines as the floor),
// drawing the scale, and the memory a stored point takes.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <vector>

#include "tesmo/TesmoWidget.h"

namespace {

std::unique_ptr<tesmo::TesmoWidget> ChartControl(double maxX) {
    auto widget = std::make_unique<tesmo::TesmoWidget>();
    tesmo::ucTesmo& c = widget->control();
    c.setMapStyle(tesmo::enMapStyle::ScaleSystem);
    c.setMinX(0);
    c.setMaxX(maxX);
    c.setMinY(-1000000);
    c.setMaxY(1000000);
    c.setDelay(0);
    return widget;
}

// A random walk with x increasing, within the chart's bounds.
std::vector<std::pair<double, double>> Walk(int n) {
    QRandomGenerator random(7);
    std::vector<std::pair<double, double>> points;
    double y = 0;
    for (int i = 0; i < n; ++i) {
        y += random.generateDouble() * 200 - 100;
        points.emplace_back(i, y);
    }
    return points;
}

void BM_PointAddDistinct(benchmark::State& state) {
    const auto n = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        auto widget = ChartControl(n);
        state.ResumeTiming();
        for (int i = 0; i < n; ++i) widget->control().Point_Add(i, i % 1000);
        state.PauseTiming();
        widget.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_PointAddDistinct)->Arg(30000)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_PointAddSameCoordinate(benchmark::State& state) {
    const auto n = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        auto widget = ChartControl(100);
        state.ResumeTiming();
        for (int i = 0; i < n; ++i) widget->control().Point_Add(50, 50);
        state.PauseTiming();
        widget.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_PointAddSameCoordinate)->Arg(30000)->Unit(benchmark::kMillisecond);

long ResidentKiB() {
    std::ifstream status("/proc/self/status");
    std::string key;
    long value = 0;
    while (status >> key) {
        if (key == "VmRSS:") {
            status >> value;
            return value;
        }
        status.ignore(1 << 10, '\n');
    }
    return 0;
}

void BM_MemoryPerPoint(benchmark::State& state) {
    const int n = 1000000;
    double bytesPerPoint = 0;
    for (auto _ : state) {
        auto widget = ChartControl(n);
        const long before = ResidentKiB();
        for (int i = 0; i < n; ++i) widget->control().Point_Add(i, i % 1000);
        bytesPerPoint = (ResidentKiB() - before) * 1024.0 / n;
    }
    state.counters["bytes_per_point"] = bytesPerPoint;
}
BENCHMARK(BM_MemoryPerPoint)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_DrawDelay0(benchmark::State& state) {
    const auto n = static_cast<int>(state.range(0));
    auto widget = ChartControl(n);
    for (const auto& [x, y] : Walk(n)) widget->control().Point_Add(x, y);
    for (auto _ : state) benchmark::DoNotOptimize(widget->control().Draw());
    state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_DrawDelay0)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// The floor: the same mapped polyline drawn with one QPainter::drawLine call a segment on
// an image of the surface's size.
void BM_PlainDrawLine(benchmark::State& state) {
    const auto n = static_cast<int>(state.range(0));
    auto widget = ChartControl(n);
    const QSize size = widget->surface()->size();
    QImage image(size, QImage::Format_RGB32);
    const auto walk = Walk(n);
    const double fx = (size.width() - 64.0) / n, fy = (size.height() - 32.0) / 2000000.0;
    std::vector<QPointF> mapped;
    for (const auto& [x, y] : walk) mapped.emplace_back(32 + x * fx, size.height() - 16 - (y + 1000000) * fy);
    for (auto _ : state) {
        QPainter painter(&image);
        painter.setPen(QPen(Qt::red, 1));
        for (std::size_t i = 0; i + 1 < mapped.size(); ++i) painter.drawLine(mapped[i], mapped[i + 1]);
    }
    state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_PlainDrawLine)->Arg(10000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

void BM_SetScaleUnit(benchmark::State& state) {
    auto widget = ChartControl(100);
    tesmo::ucTesmo& c = widget->control();
    c.setMinY(0);
    c.setMaxY(100);
    c.setViewGrid(state.range(0) != 0);
    if (state.range(1) != 0) {
        c.setMinX(tesmo::Variant::fromDate(43831));  // 1 January 2020
        c.setMaxX(tesmo::Variant::fromDate(43831 + 3652));
        c.setUnitX(90);
    }
    for (auto _ : state) benchmark::DoNotOptimize(c.SetScaleUnit());
    state.SetLabel(std::string(state.range(1) ? "dates, 10 years" : "0..100 by 10") +
                   (state.range(0) ? ", grid" : ", ticks"));
}
BENCHMARK(BM_SetScaleUnit)->Args({0, 0})->Args({1, 0})->Args({1, 1})->Unit(benchmark::kMicrosecond);

}  // namespace
