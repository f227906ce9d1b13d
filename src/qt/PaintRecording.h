#pragma once

#include <QImage>
#include <QPainter>
#include <QRect>
#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

namespace tesmo {

// Painting kept to be played later on an image that does not exist yet: a control set up
// before its layout gives it a size draws once, at the size it is shown at. The painting is
// kept at one image size; what resizes since would have cut off is left out when it is
// played, and its pixels are those an image of that size would have got.
class PaintRecording {
public:
    using Op = std::function<void(QPainter&)>;

    bool empty() const { return sessions_.empty(); }
    // The points and operations kept: past a limit, painting goes to the image at once.
    std::size_t cost() const { return cost_; }
    // Whether painting on an image of `size` can be kept with what is kept: only while the
    // image has that size and no resize has cut off any of it.
    bool accepts(QSize size) const { return empty() || (size == size_ && !cut()); }
    // Keeps an operation of the painter under way, or of a new one on an image of `size`.
    void add(Op op, QSize size, std::size_t points);
    // The painter under way is done.
    void endPainter();
    // The image was resized to `size`.
    void resized(QSize size) { kept_ &= QRect(QPoint(0, 0), size); }
    void clear();
    // Plays what is kept on `image`, made at its size with its background, which `prepare`
    // paints on an image; a painter still under way goes on as `open`.
    void playOn(QImage& image, std::optional<QPainter>& open, const std::function<void(QImage&)>& prepare);

private:
    // Whether a resize since has cut off some of the image painted on.
    bool cut() const { return kept_ != QRect(QPoint(0, 0), size_); }
    void play(QImage& image, std::optional<QPainter>& open);

    struct Session {
        std::vector<Op> ops;
        bool open = true;
    };
    std::vector<Session> sessions_;
    QSize size_;  // of the image painted on
    QRect kept_;  // what the resizes since leave of it
    std::size_t cost_ = 0;
};

// A painter as the surface paints with it on an image, drawing within `clip`.
void StartPainter(QPainter& painter, const QRect& clip);

}  // namespace tesmo
