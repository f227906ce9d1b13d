#include "qt/SegmentPixels.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>

namespace tesmo {

bool ClipSegment(QPointF& a, QPointF& b, const QRectF& r) {
    if (!std::isfinite(a.x()) || !std::isfinite(a.y()) || !std::isfinite(b.x()) || !std::isfinite(b.y()))
        return false;
    double t0 = 0.0, t1 = 1.0;
    const double dx = b.x() - a.x(), dy = b.y() - a.y();
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {a.x() - r.left(), r.right() - a.x(), a.y() - r.top(), r.bottom() - a.y()};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double t = q[i] / p[i];
        if (p[i] < 0) {
            if (t > t1) return false;
            t0 = std::max(t0, t);
        } else {
            if (t < t0) return false;
            t1 = std::min(t1, t);
        }
    }
    const QPointF start = a;
    a = QPointF(start.x() + t0 * dx, start.y() + t0 * dy);
    b = QPointF(start.x() + t1 * dx, start.y() + t1 * dy);
    return true;
}

std::optional<QRect> AxisRun(QPointF a, QPointF b) {
    const auto fixed = [](double v) { return static_cast<int>(v * 64.); };
    int x1 = fixed(a.x()), y1 = fixed(a.y()), x2 = fixed(b.x()), y2 = fixed(b.y());
    if (x1 > x2) std::swap(x1, x2);
    if (y1 > y2) std::swap(y1, y2);
    if (y1 == y2 && x1 != x2) return QRect(QPoint(x1 >> 6, y1 >> 6), QPoint(x2 >> 6, y1 >> 6));
    if (x1 == x2 && y1 != y2) return QRect(QPoint(x1 >> 6, y1 >> 6), QPoint(x1 >> 6, y2 >> 6));
    return std::nullopt;
}

// Wider vectors where the processor has them: the drawing of long paths spends its own
// time here.
__attribute__((target_clones("avx2", "default")))
Extent ToPixels(const float* x, const float* y, qsizetype count, float pixelX, float pixelY, QPointF* out) {
    std::array<float, kPixelsBlock> fx, fy;
    Extent e;
    float x0 = e.minX, x1 = e.maxX, y0 = e.minY, y1 = e.maxY, probe = 0;
#pragma omp simd reduction(min : x0, y0) reduction(max : x1, y1) reduction(+ : probe)
    for (qsizetype k = 0; k < count; ++k) {
        const float px = x[k] / pixelX, py = y[k] / pixelY;
        fx[k] = px;
        fy[k] = py;
        x0 = std::min(x0, px);
        x1 = std::max(x1, px);
        y0 = std::min(y0, py);
        y1 = std::max(y1, py);
        probe += (px - px) + (py - py);
    }
#pragma omp simd
    for (qsizetype k = 0; k < count; ++k) out[k] = QPointF(fx[k], fy[k]);
    return {x0, x1, y0, y1, probe};
}

}  // namespace tesmo
