#include "qt/QtSurface.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <cmath>

#include "qt/Colors.h"
#include "qt/QtFont.h"
#include "qt/QtPicture.h"
#include "qt/SurfaceWidget.h"
#include "tesmo/Error.h"

namespace tesmo {
namespace {

// Beyond this many pixels a side, sizes are refused rather than allocated.
constexpr int kMaxPixels = 16384;

[[noreturn]] void InvalidValue() {
    throw Error(errors::InvalidPropertyValue, "Invalid property value");
}

// Clips a segment to a rectangle (Liang-Barsky); false when nothing of it is inside.
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

QString Printable(const std::string& text) {
    QString s = QString::fromStdString(text);
    for (QChar& c : s)
        if (c.unicode() < 0x20) c = QLatin1Char(' ');
    return s;
}

}  // namespace

QtSurface::QtSurface(float twipsPerPixelX, float twipsPerPixelY)
    : pixelX_(twipsPerPixelX), pixelY_(twipsPerPixelY), font_(QGuiApplication::font()) {}

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
    return image_.isNull() ? QSize() : inner_;
}

void QtSurface::detach() {
    if (widget_) widget_->setSurface(nullptr);
    widget_ = nullptr;
}

const QImage& QtSurface::image() {
    drawPending();
    endPainting();
    return image_;
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

QPainter& QtSurface::painter() {
    if (!painter_) {
        painter_.emplace(&image_);
        painter_->setRenderHint(QPainter::Antialiasing, false);
    }
    return *painter_;
}

void QtSurface::endPainting() {
    drawPending();
    painter_.reset();
    // The next painter starts with its own default pen.
    penColor_ = -1;
}

void QtSurface::setPen(std::int32_t color) {
    if (color == penColor_ && drawWidth_ == penWidth_) return;
    QPen pen(ShownColor(color));
    pen.setWidth(std::max<int>(0, drawWidth_));
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    painter().setPen(pen);
    penColor_ = color;
    penWidth_ = drawWidth_;
}

void QtSurface::drawPending() {
    if (pending_.isEmpty()) return;
    QPolygonF points;
    points.swap(pending_);
    setPen(pendingColor_);
    painter().drawPolyline(points);
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
    repaintBackground(image_);
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
    if (image_.isNull()) return;
    const double w = std::max<int>(1, drawWidth_);
    QPointF a = toPixels(x1, y1), b = toPixels(x2, y2);
    const QRectF bounds = innerRect().adjusted(-w, -w, w, w);
    const auto within = [&](QPointF p) {
        return p.x() >= bounds.left() && p.x() <= bounds.right() && p.y() >= bounds.top() && p.y() <= bounds.bottom();
    };
    const bool inside = within(a) && within(b);
    if (!inside && !ClipSegment(a, b, bounds)) return;
    const bool continues = inside && !pending_.isEmpty() && pendingColor_ == color && penWidth_ == drawWidth_ &&
                           pending_.constLast() == a && pending_.size() < 4096;
    if (!continues) {
        drawPending();
        setPen(color);
    }
    if (inside) {
        if (pending_.isEmpty()) pending_.append(a);
        pending_.append(b);
        pendingColor_ = color;
    } else {
        painter().drawLine(a, b);
    }
    markDirty(a, b, w);
}

void QtSurface::Box(float x1, float y1, float x2, float y2, std::int32_t color) {
    if (image_.isNull()) return;
    drawPending();
    const QRectF box = QRectF(toPixels(x1, y1), toPixels(x2, y2)).normalized();
    const QRectF bounds = innerRect().adjusted(-2, -2, 2, 2);
    if (!box.isValid() || !bounds.intersects(box)) return;
    const QRectF clipped = box.intersected(bounds);
    QPainter& p = painter();
    QPen pen(ShownColor(color));
    pen.setWidth(std::max<int>(0, drawWidth_));
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    penColor_ = -1;
    p.drawRect(clipped);
    markDirty(clipped.adjusted(-2, -2, 2, 2));
}

void QtSurface::Print(const std::string& text, bool endLine) {
    const QString shown = Printable(text);
    const QFontMetricsF metrics(font_);
    if (!image_.isNull() && !shown.isEmpty()) {
        drawPending();
        QPainter& p = painter();
        p.setFont(font_);
        p.setPen(ShownColor(foreColor_));
        penColor_ = -1;
        const QPointF origin = toPixels(currentX_, currentY_);
        p.drawText(QPointF(origin.x(), origin.y() + metrics.ascent()), shown);
        markDirty(QRectF(origin, QSizeF(metrics.horizontalAdvance(shown), metrics.height())).adjusted(-2, -2, 2, 2));
    }
    if (endLine) {
        currentX_ = 0;
        currentY_ += static_cast<float>(metrics.height()) * pixelY_;
    } else {
        currentX_ += static_cast<float>(metrics.horizontalAdvance(shown)) * pixelX_;
    }
}

float QtSurface::TextWidth(const std::string& text) const {
    return static_cast<float>(QFontMetricsF(font_).horizontalAdvance(Printable(text))) * pixelX_;
}

float QtSurface::TextHeight(const std::string&) const {
    return static_cast<float>(QFontMetricsF(font_).height()) * pixelY_;
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
    font_ = ToQFont(font);
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
    if (inner != innerSize() || (!image_.isNull() && image_.devicePixelRatio() != ratio)) {
        endPainting();
        QImage next;
        inner_ = inner;
        if (!inner.isEmpty()) {
            next = QImage((QSizeF(inner) * ratio).toSize(), QImage::Format_RGB32);
            next.setDevicePixelRatio(ratio);
            // Text drawn on the image is measured at the screen's resolution.
            next.setDotsPerMeterX(static_cast<int>(std::lround(1440.0 / pixelX_ / 0.0254)));
            next.setDotsPerMeterY(static_cast<int>(std::lround(1440.0 / pixelY_ / 0.0254)));
            repaintBackground(next);
            if (!image_.isNull()) {
                QPainter p(&next);
                p.drawImage(0, 0, image_);
            }
        }
        image_ = std::move(next);
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
