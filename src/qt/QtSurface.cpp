#include "qt/QtSurface.h"

#include <QGuiApplication>
#include <cmath>

#include "qt/Colors.h"
#include "qt/QtFont.h"
#include "qt/QtPicture.h"
#include "qt/SegmentPixels.h"
#include "qt/SurfaceWidget.h"
#include "tesmo/Error.h"

namespace tesmo {
namespace {

// Beyond this many pixels a side, sizes are refused rather than allocated.
constexpr int kMaxPixels = 16384;

[[noreturn]] void InvalidValue() {
    throw Error(errors::InvalidPropertyValue, "Invalid property value");
}

QString Printable(const std::string& text) {
    QString s = QString::fromStdString(text);
    for (QChar& c : s)
        if (c.unicode() < 0x20) c = QLatin1Char(' ');
    return s;
}

}  // namespace

QtSurface::QtSurface(float twipsPerPixelX, float twipsPerPixelY) : pixelX_(twipsPerPixelX), pixelY_(twipsPerPixelY) {
    useFont(QGuiApplication::font());
}

QtSurface::~QtSurface() {
    endPainting();
    detach();
}

void QtSurface::attach(SurfaceWidget* widget) {
    widget_ = widget;
    widget_->resize(outer_);
    setDevicePixelRatio(widget->devicePixelRatioF());
}

void QtSurface::setDevicePixelRatio(qreal ratio) {
    if (ratio == ratio_ || !(ratio > 0)) return;
    ratio_ = ratio;
    resizeOuter(outer_);
}

QSize QtSurface::innerSize() const {
    return inner_.isEmpty() ? QSize() : inner_;
}

void QtSurface::detach() {
    if (widget_) widget_->setSurface(nullptr);
    widget_ = nullptr;
}

const QImage& QtSurface::image() {
    endPainting();
    if (!inner_.isEmpty()) canvas();
    return image_;
}

void QtSurface::canvas() {
    if (painted_) return;
    const QSize pixels = (QSizeF(inner_) * imageRatio_).toSize();
    if (image_.size() != pixels || image_.devicePixelRatio() != imageRatio_) {
        image_ = QImage(pixels, QImage::Format_RGB32);
        image_.setDevicePixelRatio(imageRatio_);
        applyResolution(image_);
    }
    repaintBackground(image_);
    painted_ = true;
    recording_.playOn(image_, painter_, [this](QImage& image) { repaintBackground(image); });
}

void QtSurface::applyResolution(QImage& image) const {
    image.setDotsPerMeterX(static_cast<int>(std::lround(1440.0 / pixelX_ / 0.0254)));
    image.setDotsPerMeterY(static_cast<int>(std::lround(1440.0 / pixelY_ / 0.0254)));
}

template <typename Op>
void QtSurface::paint(Op&& op, std::size_t points) {
    if (recordingFor(points)) {
        recording_.add(std::forward<Op>(op), inner_, points);
        return;
    }
    canvas();
    if (!painter_) {
        painter_.emplace(&image_);
        StartPainter(*painter_, innerRect().toRect());
    }
    op(*painter_);
}

void QtSurface::flush() {
    flushPosted_ = false;
    drawPending();
    endPainting();
    if (widget_ && !dirty_.isEmpty()) {
        const int b = borderPixels();
        widget_->update(dirty_.toAlignedRect().translated(b, b));
    }
    dirty_ = QRectF();
}

template <typename T, typename Op>
void QtSurface::paintWith(std::span<const T> items, std::size_t pointsEach, Op op) {
    const std::size_t points = items.size() * pointsEach;
    if (recordingFor(points)) {
        paint([kept = std::vector<T>(items.begin(), items.end()), op](QPainter& p) { op(p, std::span<const T>(kept)); },
              points);
    } else {
        paint([&](QPainter& p) { op(p, items); }, points);
    }
}

void QtSurface::endPainting() {
    drawPending();
    painter_.reset();
    recording_.endPainter();
    // The next painter starts with its own default pen and font.
    penColor_ = -1;
    painterHasFont_ = false;
}

void QtSurface::setPen(std::int32_t color) {
    if (color == penColor_ && drawWidth_ == penWidth_) return;
    QPen pen(ShownColor(color));
    pen.setWidth(std::max<int>(0, drawWidth_));
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    paint([pen](QPainter& p) { p.setPen(pen); });
    penColor_ = color;
    penWidth_ = drawWidth_;
}

void QtSurface::drawPending() {
    if (pendingCount_ == 2) keepLoneSegment();
    if (pendingCount_ == 0 && pendingLines_.empty() && pendingRuns_.empty()) return;
    setPen(pendingColor_);
    if (!pendingLines_.empty()) {
        paintWith(std::span<const QLineF>(pendingLines_), 2, [](QPainter& p, std::span<const QLineF> lines) {
            p.drawLines(lines.data(), static_cast<int>(lines.size()));
        });
        pendingLines_.clear();
    }
    if (!pendingRuns_.empty()) {
        paintWith(std::span<const QRect>(pendingRuns_), 1,
                  [color = ShownColor(pendingColor_)](QPainter& p, std::span<const QRect> runs) {
                      for (const QRect& run : runs) p.fillRect(run, color);
                  });
        pendingRuns_.clear();
    }
    if (pendingCount_ > 0) {
        paintWith(std::span<const QPointF>(pending_.data(), static_cast<std::size_t>(pendingCount_)), 1,
                  [](QPainter& p, std::span<const QPointF> points) {
                      p.drawPolyline(points.data(), static_cast<int>(points.size()));
                  });
    }
    pendingCount_ = 0;
    pendingArea_ = QRectF();
}

void QtSurface::keepLoneSegment() {
    const QPointF a = pending_[0], b = pending_[1];
    // A point is drawn another way than a segment.
    if (a == b) return;
    if (imageRatio_ == 1 && penWidth_ <= 1) {
        if (const auto run = AxisRun(a, b)) {
            pendingRuns_.push_back(*run);
            pendingCount_ = 0;
            return;
        }
    }
    pendingLines_.emplace_back(a, b);
    pendingCount_ = 0;
}

void QtSurface::markDirty(const QRectF& rect) {
    markDirty(rect.topLeft(), rect.bottomRight(), 0);
}

void QtSurface::markDirty(QPointF a, QPointF b, double margin) {
    const double left = std::min(a.x(), b.x()) - margin, right = std::max(a.x(), b.x()) + margin;
    const double top = std::min(a.y(), b.y()) - margin, bottom = std::max(a.y(), b.y()) + margin;
    if (dirty_.isEmpty()) {
        dirty_.setCoords(left, top, right, bottom);
    } else {
        double l, t, r, b2;
        dirty_.getCoords(&l, &t, &r, &b2);
        dirty_.setCoords(std::min(l, left), std::min(t, top), std::max(r, right), std::max(b2, bottom));
    }
    if (!flushPosted_ && widget_) {
        flushPosted_ = true;
        QMetaObject::invokeMethod(widget_.data(), [this] { flush(); }, Qt::QueuedConnection);
    }
}

void QtSurface::repaintBackground(QImage& image) const {
    if (image.isNull()) return;
    image.fill(ShownColor(backColor_));
    if (const QImage* picture = QtPicture::ImageOf(picture_)) {
        QPainter p(&image);
        p.drawImage(0, 0, *picture);
    }
}

void QtSurface::Cls() {
    endPainting();
    painted_ = false;
    recording_.clear();
    currentX_ = currentY_ = 0;
    markDirty(innerRect());
}

void QtSurface::Line(float x1, float y1, float x2, float y2) {
    drawSegment(x1, y1, x2, y2, foreColor_);
}

void QtSurface::Line(float x1, float y1, float x2, float y2, std::int32_t color) {
    drawSegment(x1, y1, x2, y2, color);
}

void QtSurface::drawSegment(float x1, float y1, float x2, float y2, std::int32_t color) {
    if (inner_.isEmpty()) return;
    drawSegment(toPixels(x1, y1), toPixels(x2, y2), color);
}

void QtSurface::Polyline(std::span<const float> x, std::span<const float> y, std::int32_t color) {
    static_assert(kPendingLimit <= kPixelsBlock, "a pending polyline is converted in one block");
    const std::size_t n = std::min(x.size(), y.size());
    if (inner_.isEmpty() || n < 2) return;
    const double w = penReach();
    const QRectF bounds = innerRect().adjusted(-w, -w, w, w);
    const auto pixel = [&](std::size_t i) { return toPixels(x[i], y[i]); };
    QPointF a = pixel(0);
    std::size_t i = 1;
    while (i < n) {
        // The first segment of a run goes the general way; the points after it that stay
        // inside the bounds extend the pending polyline exactly as a segment at a time would.
        drawSegment(a, pixel(i), color);
        a = pixel(i++);
        if (pendingCount_ == 0 || pendingLast() != a) continue;
        double minX = a.x(), maxX = a.x(), minY = a.y(), maxY = a.y();
        const auto widen = [&](double x0, double x1, double y0, double y1) {
            minX = std::min(minX, x0);
            maxX = std::max(maxX, x1);
            minY = std::min(minY, y0);
            maxY = std::max(maxY, y1);
        };
        bool inside = true;
        while (inside && i < n) {
            if (pendingCount_ >= kPendingLimit) {
                drawPending();
                pending_[pendingCount_++] = a;
            }
            const auto count = static_cast<qsizetype>(std::min<std::size_t>(kPendingLimit - pendingCount_, n - i));
            QPointF* out = pendingRoom(count);
            const Extent extent = ToPixels(&x[i], &y[i], count, pixelX_, pixelY_, out);
            // The common case: the whole block inside. Otherwise the block is taken up to its
            // first point outside.
            qsizetype taken = count;
            if (extent.within(bounds)) {
                widen(extent.minX, extent.maxX, extent.minY, extent.maxY);
            } else {
                for (taken = 0; Within(out[taken], bounds); ++taken)
                    widen(out[taken].x(), out[taken].x(), out[taken].y(), out[taken].y());
                inside = false;
            }
            pendingCount_ += taken;
            i += static_cast<std::size_t>(taken);
            a = pendingLast();
        }
        markPending(QPointF(minX, minY), QPointF(maxX, maxY), w);
    }
}

void QtSurface::drawSegment(QPointF a, QPointF b, std::int32_t color) {
    const double w = penReach();
    const QRectF bounds = innerRect().adjusted(-w, -w, w, w);
    const bool inside = Within(a, bounds) && Within(b, bounds);
    if (!inside && !ClipSegment(a, b, bounds)) return;
    const bool continues = inside && pendingCount_ > 0 && pendingColor_ == color && penWidth_ == drawWidth_ &&
                           pendingLast() == a && pendingCount_ < kPendingLimit;
    if (!continues) {
        // A lone segment joins the separate segments of its pen drawn together, as the
        // ticks and the grid of a scale are.
        if (inside && pendingCount_ == 2 && pendingColor_ == color && penWidth_ == drawWidth_ &&
            static_cast<qsizetype>(pendingLines_.size() + pendingRuns_.size()) < kPendingLimit)
            keepLoneSegment();
        if (pendingCount_ > 0 || !inside || pendingColor_ != color || penWidth_ != drawWidth_) {
            drawPending();
            setPen(color);
        }
    }
    if (inside) {
        pendingRoom(2);
        if (pendingCount_ == 0) pending_[pendingCount_++] = a;
        pending_[pendingCount_++] = b;
        pendingColor_ = color;
        markPending(a, b, w);
    } else {
        paint([a, b](QPainter& p) { p.drawLine(a, b); });
        markDirty(a, b, w);
    }
}

QPointF* QtSurface::pendingRoom(qsizetype more) {
    // Grown as lines come, so that a control drawing few of them keeps little.
    const auto needed = static_cast<std::size_t>(pendingCount_ + more);
    if (pending_.size() < needed)
        pending_.resize(std::max(needed, std::min<std::size_t>(kPendingLimit, std::max<std::size_t>(16, 2 * pending_.size()))));
    return pending_.data() + pendingCount_;
}

void QtSurface::markPending(QPointF a, QPointF b, double margin) {
    markDirty(a, b, margin);
    const QRectF area = QRectF(a, b).normalized().adjusted(-margin, -margin, margin, margin);
    pendingArea_ = pendingArea_.isNull() ? area : pendingArea_.united(area);
}

void QtSurface::Box(float x1, float y1, float x2, float y2, std::int32_t color) {
    if (inner_.isEmpty()) return;
    drawPending();
    const QRectF box = QRectF(toPixels(x1, y1), toPixels(x2, y2)).normalized();
    const QRectF bounds = innerRect().adjusted(-2, -2, 2, 2);
    if (!box.isValid() || !bounds.intersects(box)) return;
    const QRectF clipped = box.intersected(bounds);
    QPen pen(ShownColor(color));
    pen.setWidth(std::max<int>(0, drawWidth_));
    paint([pen, clipped](QPainter& p) {
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawRect(clipped);
    });
    penColor_ = -1;
    markDirty(clipped.adjusted(-2, -2, 2, 2));
}

void QtSurface::Print(const std::string& text, bool endLine) {
    const QString shown = Printable(text);
    if (!inner_.isEmpty() && !shown.isEmpty()) {
        const QPointF origin = toPixels(currentX_, currentY_);
        const QPointF baseline(origin.x(), origin.y() + texts_->metrics().ascent());
        const FontTexts::Extent& extent = texts_->measure(shown);
        const QRectF area = QRectF(origin, QSizeF(extent.advance, lineHeight()))
                                .united(extent.ink.translated(baseline))
                                .adjusted(-2, -2, 2, 2);
        // Lines still pending that the text does not touch may be drawn after it: the
        // pixels are the same, and a scale's labels then do not split its lines. The text
        // still ends the polyline under way, as drawing it first did.
        if (pendingArea_.intersects(area)) {
            drawPending();
        } else {
            if (pendingCount_ == 2) keepLoneSegment();
            if (pendingCount_ > 0) drawPending();
        }
        if (!painterHasFont_) paint([font = font_](QPainter& p) { p.setFont(font); });
        painterHasFont_ = true;
        penColor_ = -1;
        // Glyphs laid out once are placed as the painter places a text's only without a
        // transformation; on a high-resolution image the text is laid out each time.
        const QList<QGlyphRun>* runs = imageRatio_ == 1 ? texts_->glyphs(shown) : nullptr;
        paint([color = ShownColor(foreColor_), baseline, laidOut = runs != nullptr,
               runs = runs ? *runs : QList<QGlyphRun>(), shown](QPainter& p) {
            p.setPen(color);
            if (laidOut) {
                for (const QGlyphRun& run : runs) p.drawGlyphRun(baseline, run);
            } else {
                p.drawText(baseline, shown);
            }
        });
        markDirty(QRectF(origin, QSizeF(extent.advance, lineHeight())).adjusted(-2, -2, 2, 2));
    }
    if (endLine) {
        currentX_ = 0;
        currentY_ += static_cast<float>(lineHeight()) * pixelY_;
    } else {
        currentX_ += static_cast<float>(texts_->measure(shown).advance) * pixelX_;
    }
}

float QtSurface::TextWidth(const std::string& text) const {
    return static_cast<float>(texts_->measure(Printable(text)).advance) * pixelX_;
}

float QtSurface::TextHeight(const std::string&) const {
    return static_cast<float>(lineHeight()) * pixelY_;
}

float QtSurface::ScaleWidth() const {
    return static_cast<float>(innerSize().width()) * pixelX_;
}

float QtSurface::ScaleHeight() const {
    return static_cast<float>(innerSize().height()) * pixelY_;
}

void QtSurface::setDrawWidth(std::int16_t width) {
    if (width != drawWidth_) drawPending();
    drawWidth_ = width;
}

void QtSurface::setForeColor(std::int32_t color) {
    foreColor_ = color;
}

void QtSurface::setBackColor(std::int32_t color) {
    backColor_ = color;
    Cls();
}

Font QtSurface::Font() const {
    return FromQFont(font_);
}

void QtSurface::setFont(const tesmo::Font& font) {
    endPainting();
    useFont(ToQFont(font));
}

void QtSurface::useFont(const QFont& font) {
    font_ = font;
    QImage resolution(1, 1, QImage::Format_RGB32);
    applyResolution(resolution);
    texts_ = FontTexts::For(font_, resolution);
}

void QtSurface::setAutoSize(bool value) {
    autoSize_ = value;
    fitPicture();
}

void QtSurface::setBorderStyle(std::int16_t style) {
    if (style != 0 && style != 1) InvalidValue();
    borderStyle_ = style;
    resizeOuter(outer_);
    fitPicture();
    if (widget_) widget_->update();
}

void QtSurface::setPicture(const tesmo::Picture& picture) {
    picture_ = picture;
    Cls();
    fitPicture();
}

void QtSurface::setVisible(bool visible) {
    if (widget_) widget_->setVisible(visible);
}

float QtSurface::Left() const {
    return widget_ ? static_cast<float>(widget_->x()) * pixelX_ : pixelX_;
}

float QtSurface::Top() const {
    return widget_ ? static_cast<float>(widget_->y()) * pixelY_ : pixelY_;
}

void QtSurface::setWidth(float value) {
    if (!(value >= 0)) InvalidValue();
    const double pixels = std::round(value / pixelX_);
    if (pixels > kMaxPixels) InvalidValue();
    resizeOuter(QSize(static_cast<int>(pixels), outer_.height()));
}

void QtSurface::setHeight(float value) {
    if (!(value >= 0)) InvalidValue();
    const double pixels = std::round(value / pixelY_);
    if (pixels > kMaxPixels) InvalidValue();
    resizeOuter(QSize(outer_.width(), static_cast<int>(pixels)));
}

std::int32_t QtSurface::hWnd() const {
    return widget_ ? static_cast<std::int32_t>(widget_->effectiveWinId()) : 0;
}

void QtSurface::resizeOuter(QSize outer) {
    outer_ = outer;
    const int b = borderPixels();
    const QSize inner(std::max(0, outer.width() - 2 * b), std::max(0, outer.height() - 2 * b));
    // The image's ratio: the screen's, unless the image would grow beyond the size limit.
    const qreal ratio = inner.isEmpty() ? ratio_ : std::min(ratio_, qreal(kMaxPixels) / std::max(inner.width(), inner.height()));
    if (inner != innerSize() || (!inner.isEmpty() && imageRatio_ != ratio)) {
        endPainting();
        // What was kept to be drawn, and a picture, are drawn at the ratio they were meant
        // for, then scaled as a drawn image is.
        if (!painted_ && !inner_.isEmpty() && imageRatio_ != ratio && (!recording_.empty() || HasPicture())) canvas();
        inner_ = inner;
        imageRatio_ = ratio;
        if (inner.isEmpty()) {
            image_ = QImage();
            painted_ = false;
            recording_.clear();
        } else if (!painted_) {
            // Made when it is first needed, at the size it has then.
            image_ = QImage();
            recording_.resized(inner);
        } else {
            QImage drawn = std::move(image_);
            painted_ = false;
            canvas();
            QPainter p(&image_);
            p.drawImage(0, 0, drawn);
        }
        markDirty(innerRect());
    }
    if (widget_ && widget_->size() != outer_) widget_->resize(outer_);
}

void QtSurface::fitPicture() {
    if (!autoSize_ || picture_.isEmpty()) return;
    const int b = borderPixels();
    resizeOuter(QSize(picture_.widthPixels() + 2 * b, picture_.heightPixels() + 2 * b));
}

}  // namespace tesmo
