// Chart mode: adding points, drawing them (against plain QPainter lines as the floor),
// drawing the scale, and the memory a stored point takes.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <vector>

#include "BenchSupport.h"
#include "control/Container.h"
#include "fakes/Fakes.h"
#include "qt/QtSurface.h"
#include "qt/QtUiLoop.h"
#include "tesmo/TesmoWidget.h"

namespace {

using namespace tesmo::bench;

std::unique_ptr<tesmo::TesmoWidget> ChartControl(double maxX) {
    auto widget = std::make_unique<tesmo::TesmoWidget>();
    ChartSettings(widget->control(), maxX);
    return widget;
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

// A surface that can keep, in its pixels, the polylines it is given: the points a plain
// painter then draws as the floor.
struct KeptSurface : tesmo::QtSurface {
    static constexpr float kTwipsPerPixel = 15;
    KeptSurface() : QtSurface(kTwipsPerPixel, kTwipsPerPixel) {}
    void Polyline(std::span<const float> x, std::span<const float> y, std::int32_t color) override {
        if (keep)
            for (std::size_t i = 0; i < x.size(); ++i)
                if (i > 0 || kept.isEmpty()) kept.append(QPointF(x[i] / kTwipsPerPixel, y[i] / kTwipsPerPixel));
        QtSurface::Polyline(x, y, color);
    }
    bool keep = false;
    QPolygonF kept;
};

// A chart control on the real surface, user-interface loop and clock, with `points` of a
// random walk added.
struct LiveChart {
    explicit LiveChart(int points) {
        // The demo's control: 640 x 413 pixels, its surface inside a one-pixel border.
        host.innerWidth = 640 * KeptSurface::kTwipsPerPixel;
        host.innerHeight = 413 * KeptSurface::kTwipsPerPixel;
        tesmo::Container container(control);
        container.Initialize();
        container.InitProperties();
        container.StartRunTime();
        container.Resize();
        ChartSettings(control, points);
        for (const auto& [x, y] : Walk(points)) control.Point_Add(x, y);
    }
    KeptSurface surface;
    tesmo::test::FakePrompts prompts;
    tesmo::test::FakeHost host;
    tesmo::SystemClock clock;
    tesmo::ReentryGate gate;
    tesmo::QtUiLoop ui{clock, gate};
    tesmo::test::FakeLocale locale;
    tesmo::test::FakeDialogs dialogs;
    tesmo::test::RecordingEvents events;
    tesmo::StoreEngine database;
    tesmo::test::FakeWindowSystem windows;
    tesmo::test::FakeCommonDialogs common;
    tesmo::ucTesmo control{
        tesmo::Ports{surface, prompts, host, ui, clock, locale, dialogs, events, database, windows, common}};
};

// Draw with Delay 0 against two floors drawn in the same run, turn about with it, on a copy
// of the same surface image with the chart's pen: one drawPolyline of the same mapped
// points, and a drawLine a segment.
void BM_DrawDelay0(benchmark::State& state) {
    const auto n = static_cast<int>(state.range(0));
    LiveChart chart(n);
    chart.surface.keep = true;
    chart.control.Draw();
    chart.surface.keep = false;
    const QPolygonF points = chart.surface.kept;
    if (points.size() != n) {
        state.SkipWithError("the drawing did not go through the surface's polyline");
        return;
    }
    QImage image = chart.surface.image().copy();
    QPen pen(QColor(0, 0, 0));
    pen.setWidth(1);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    std::vector<double> ours, polyline, lines;
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(chart.control.Draw());
        ours.push_back(Milliseconds(start));
        state.SetIterationTime(ours.back() / 1000);
        start = std::chrono::steady_clock::now();
        {
            QPainter painter(&image);
            painter.setPen(pen);
            painter.drawPolyline(points);
        }
        polyline.push_back(Milliseconds(start));
        if (n > 100000) continue;
        start = std::chrono::steady_clock::now();
        {
            QPainter painter(&image);
            painter.setPen(pen);
            for (qsizetype i = 0; i + 1 < points.size(); ++i) painter.drawLine(points[i], points[i + 1]);
        }
        lines.push_back(Milliseconds(start));
    }
    state.counters["polyline_floor_ms"] = Median(polyline);
    state.counters["ratio_to_polyline"] = Median(ours) / Median(polyline);
    if (!lines.empty()) {
        state.counters["drawline_floor_ms"] = Median(lines);
        state.counters["ratio_to_drawline"] = Median(ours) / Median(lines);
    }
    state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_DrawDelay0)->Arg(10000)->Arg(100000)->Arg(1000000)->UseManualTime()->Unit(benchmark::kMillisecond);

// The reference: a scale of the same parts drawn with plain QPainter calls on an image of
// the surface's: the background, the frame, 11 grid lines and 22 labels an axis, a title.
void PlainScale(QImage& image, const QStringList& labels) {
    QPainter painter(&image);
    painter.fillRect(image.rect(), Qt::white);
    QPen pen(QColor(0xC0, 0xC0, 0xC0));
    pen.setWidth(1);
    pen.setCapStyle(Qt::RoundCap);
    painter.setPen(pen);
    const QRectF plot(48.5, 24.5, 560, 350);
    painter.drawRect(plot);
    for (qsizetype i = 0; i < labels.size(); ++i) {
        const double x = plot.left() + plot.width() * static_cast<double>(i) / 10;
        const double y = plot.bottom() - plot.height() * static_cast<double>(i) / 10;
        painter.drawLine(QPointF(x, plot.top()), QPointF(x, plot.bottom()));
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
    }
    painter.setPen(Qt::black);
    for (qsizetype i = 0; i < labels.size(); ++i) {
        const double x = plot.left() + plot.width() * static_cast<double>(i) / 10;
        const double y = plot.bottom() - plot.height() * static_cast<double>(i) / 10;
        painter.drawText(QPointF(x - 6, plot.bottom() + 14), labels[i]);
        painter.drawText(QPointF(x - 6, plot.top() - 4), labels[i]);
        painter.drawText(QPointF(plot.left() - 24, y + 4), labels[i]);
        painter.drawText(QPointF(plot.right() + 4, y + 4), labels[i]);
    }
    painter.drawText(QPointF(8, 14), QStringLiteral("Rainfall"));
}

// SetScaleUnit with its drawing finished, against the plain scale, turn about with it.
void BM_SetScaleUnit(benchmark::State& state) {
    LiveChart chart(0);
    tesmo::ucTesmo& c = chart.control;
    c.setMinX(0);
    c.setMaxX(100);
    c.setMinY(0);
    c.setMaxY(100);
    c.setViewGrid(state.range(0) != 0);
    if (state.range(0) != 0) c.setTitle("Rainfall");
    if (state.range(1) != 0) {
        c.setMinX(tesmo::Variant::fromDate(43831));  // 1 January 2020
        c.setMaxX(tesmo::Variant::fromDate(43831 + 3652));
        c.setUnitX(90);
    }
    QImage image = chart.surface.image().copy();
    QStringList labels;
    for (int i = 0; i <= 100; i += 10) labels << QString::number(i);
    std::vector<double> ours, plain;
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(c.SetScaleUnit());
        benchmark::DoNotOptimize(chart.surface.image());
        ours.push_back(Milliseconds(start) * 1000);
        state.SetIterationTime(ours.back() / 1e6);
        start = std::chrono::steady_clock::now();
        PlainScale(image, labels);
        plain.push_back(Milliseconds(start) * 1000);
    }
    state.counters["median_us"] = Median(ours);
    state.counters["plain_us"] = Median(plain);
    state.counters["ratio_to_plain"] = Median(ours) / Median(plain);
    state.SetLabel(std::string(state.range(1) ? "dates, 10 years" : "0..100 by 10") +
                   (state.range(0) ? ", grid, title" : ", ticks"));
}
BENCHMARK(BM_SetScaleUnit)->Args({0, 0})->Args({1, 0})->Args({1, 1})->UseManualTime()->Unit(benchmark::kMicrosecond);

}  // namespace
