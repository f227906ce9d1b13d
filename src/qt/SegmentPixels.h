#pragma once

#include <QPointF>
#include <QRect>
#include <QRectF>
#include <limits>
#include <optional>

namespace tesmo {

// Where segments given in surface units land in an image's pixels, computed as the painter
// would draw them, for the surface's fast ways of drawing many.

// Clips a segment to a rectangle (Liang-Barsky); false when nothing of it is inside.
bool ClipSegment(QPointF& a, QPointF& b, const QRectF& r);

// The pixels a one-pixel pen with round caps covers for a horizontal or vertical segment
// inside the image, without a transformation: a run along the row or column of its ends'
// 26.6 fixed-point coordinates, from the pixel of one end to that of the other. Filling it
// is far faster than stroking it.
std::optional<QRect> AxisRun(QPointF a, QPointF b);

// False also for a point that is not a number.
inline bool Within(QPointF p, const QRectF& r) {
    return p.x() >= r.left() && p.x() <= r.right() && p.y() >= r.top() && p.y() <= r.bottom();
}

// The smallest and largest coordinates of a block of points; `probe` stays 0 unless one
// of them is not a finite number.
struct Extent {
    float minX = std::numeric_limits<float>::infinity();
    float maxX = -std::numeric_limits<float>::infinity();
    float minY = std::numeric_limits<float>::infinity();
    float maxY = -std::numeric_limits<float>::infinity();
    float probe = 0;

    bool within(const QRectF& r) const {
        return probe == 0 && minX >= r.left() && maxX <= r.right() && minY >= r.top() && maxY <= r.bottom();
    }
};

// The most points ToPixels takes at once.
constexpr qsizetype kPixelsBlock = 4096;

// Writes up to kPixelsBlock points given in surface units as pixels (a coordinate divided by
// the units a pixel, in single precision, as a segment at a time converts it) and measures
// their extent: branch-free passes that run on vectors.
Extent ToPixels(const float* x, const float* y, qsizetype count, float pixelX, float pixelY, QPointF* out);

}  // namespace tesmo
