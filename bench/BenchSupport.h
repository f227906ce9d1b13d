// What the benchmarks share: the chart they draw, its points, and the measures.
#pragma once

#include <QRandomGenerator>
#include <algorithm>
#include <chrono>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "tesmo/ucTesmo.h"

namespace tesmo::bench {

// A chart from 0 to maxX across, drawn without a delay.
inline void ChartSettings(tesmo::ucTesmo& c, double maxX) {
    c.setMapStyle(tesmo::enMapStyle::ScaleSystem);
    c.setMinX(0);
    c.setMaxX(maxX);
    c.setMinY(-1000000);
    c.setMaxY(1000000);
    c.setDelay(0);
}

// A random walk with x increasing, within the chart's bounds.
inline std::vector<std::pair<double, double>> Walk(int n) {
    QRandomGenerator random(7);
    std::vector<std::pair<double, double>> points;
    double y = 0;
    for (int i = 0; i < n; ++i) {
        y += random.generateDouble() * 200 - 100;
        points.emplace_back(i, y);
    }
    return points;
}

// The resident memory of the process.
inline long ResidentKiB() {
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

inline double Milliseconds(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

inline double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

}  // namespace tesmo::bench
