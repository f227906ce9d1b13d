#include "qt/PaintRecording.h"

namespace tesmo {
namespace {

QRect Whole(const QImage& image) {
    return QRect(QPoint(0, 0), image.deviceIndependentSize().toSize());
}

// An image for painting played at a size larger than the one it goes to: the painter clips
// lines to the image's edges, and where the edges are decides which pixels a clipped line
// covers.
QImage Scratch(QSize size, const QImage& like) {
    QImage scratch((QSizeF(size) * like.devicePixelRatio()).toSize(), like.format());
    scratch.setDevicePixelRatio(like.devicePixelRatio());
    scratch.setDotsPerMeterX(like.dotsPerMeterX());
    scratch.setDotsPerMeterY(like.dotsPerMeterY());
    return scratch;
}

}  // namespace

void StartPainter(QPainter& painter, const QRect& clip) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (clip != Whole(*static_cast<const QImage*>(painter.device()))) painter.setClipRect(clip);
}

void PaintRecording::add(Op op, QSize size, std::size_t points) {
    if (empty()) {
        size_ = size;
        kept_ = QRect(QPoint(0, 0), size);
    }
    if (empty() || !sessions_.back().open) sessions_.push_back({});
    sessions_.back().ops.push_back(std::move(op));
    cost_ += 1 + points;
}

void PaintRecording::endPainter() {
    if (!empty()) sessions_.back().open = false;
}

void PaintRecording::clear() {
    sessions_.clear();
    cost_ = 0;
}

void PaintRecording::play(QImage& image, std::optional<QPainter>& open) {
    for (Session& session : sessions_) {
        std::optional<QPainter> closed;
        std::optional<QPainter>& painter = session.open ? open : closed;
        painter.emplace(&image);
        StartPainter(*painter, QRect(QPoint(0, 0), size_));
        for (const Op& op : session.ops) op(*painter);
    }
}

void PaintRecording::playOn(QImage& image, std::optional<QPainter>& open, const std::function<void(QImage&)>& prepare) {
    if (empty()) return;
    if (!cut() && Whole(image).contains(kept_)) {
        // Clipped to the size it was kept at, the painter cuts lines as it did there.
        play(image, open);
    } else {
        // A painter under way paints on an image of its own size, so never gets here.
        QImage scratch = Scratch(size_, image);
        prepare(scratch);
        std::optional<QPainter> none;
        play(scratch, none);
        QPainter copy(&image);
        copy.setClipRect(kept_);
        copy.drawImage(0, 0, scratch);
    }
    clear();
}

}  // namespace tesmo
