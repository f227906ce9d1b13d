#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPointer>
#include <algorithm>
#include <memory>
#include <optional>
#include <span>
#include <vector>

#include "qt/FontTexts.h"
#include "qt/PaintRecording.h"
#include "surface/Surface.h"

namespace tesmo {

class SurfaceWidget;

// The drawing surface: a persistent image drawn on in twips. Its pixels are the screen's
// device pixels (two a pixel on a screen with a device pixel ratio of 2), so that lines
// and text are as sharp as the screen allows; sizes and positions stay in pixels of the
// layout. The image outlives the widget that shows it, so a control whose window is gone
// can finish what it was doing without touching freed memory.
class QtSurface : public Surface {
public:
    QtSurface(float twipsPerPixelX, float twipsPerPixelY);
    ~QtSurface() override;

    void attach(SurfaceWidget* widget);
    void detach();
    // The screen's device pixels per layout pixel; a change redraws the image at the new
    // ratio, what was drawn scaled into it.
    void setDevicePixelRatio(qreal ratio);
    qreal devicePixelRatio() const { return ratio_; }
    // The image as it stands, every pending drawing finished.
    const QImage& image();
    // Shows what was drawn since the last flush.
    void flush();
    int borderPixels() const { return borderStyle_ == 1 ? 1 : 0; }

    void Cls() override;
    void Line(float x1, float y1, float x2, float y2) override;
    void Line(float x1, float y1, float x2, float y2, std::int32_t color) override;
    void Polyline(std::span<const float> x, std::span<const float> y, std::int32_t color) override;
    void Box(float x1, float y1, float x2, float y2, std::int32_t color) override;
    void Print(const std::string& text, bool endLine) override;
    float TextWidth(const std::string& text) const override;
    float TextHeight(const std::string& text) const override;
    float ScaleWidth() const override;
    float ScaleHeight() const override;
    float CurrentX() const override { return currentX_; }
    void setCurrentX(float value) override { currentX_ = value; }
    float CurrentY() const override { return currentY_; }
    void setCurrentY(float value) override { currentY_ = value; }
    void setDrawWidth(std::int16_t width) override;
    void setForeColor(std::int32_t color) override;
    void setFillColor(std::int32_t color) override { fillColor_ = color; }
    void setBackColor(std::int32_t color) override;
    tesmo::Font Font() const override;
    void setFont(const tesmo::Font& font) override;
    void setAutoRedraw(bool) override {}
    void setAutoSize(bool value) override;
    std::int16_t BorderStyle() const override { return borderStyle_; }
    void setBorderStyle(std::int16_t style) override;
    void setPicture(const tesmo::Picture& picture) override;
    bool HasPicture() const override { return !picture_.isEmpty(); }
    void setVisible(bool visible) override;
    float Left() const override;
    float Top() const override;
    float Width() const override { return static_cast<float>(outer_.width()) * pixelX_; }
    float Height() const override { return static_cast<float>(outer_.height()) * pixelY_; }
    void setWidth(float value) override;
    void setHeight(float value) override;
    std::int32_t hDC() const override { return 0; }
    std::int32_t hWnd() const override;
    bool ClipControls() const override { return true; }

private:
    // The most points a polyline drawn at once holds.
    static constexpr qsizetype kPendingLimit = 4096;
    // The most points and operations kept to be painted on an image not made yet.
    static constexpr std::size_t kRecordedLimit = 16384;

    // Makes the image at its size with its background and what was kept to be drawn on it.
    void canvas();
    // Gives an image the screen's resolution, at which text drawn on it is measured.
    void applyResolution(QImage& image) const;
    // Prints in `font` from now on.
    void useFont(const QFont& font);
    // Paints with the image's painter, or keeps the painting for later while the image is
    // not made yet and what is kept stays small. `points`: how many the painting holds.
    template <typename Op>
    void paint(Op&& op, std::size_t points = 0);
    // Paints `op` on items pending now: on them as they are when painting at once, on a copy
    // when the painting is kept.
    template <typename T, typename Op>
    void paintWith(std::span<const T> items, std::size_t pointsEach, Op op);
    bool recordingFor(std::size_t points) const {
        return !painted_ && recording_.accepts(inner_) && recording_.cost() + points <= kRecordedLimit;
    }
    void endPainting();
    void setPen(std::int32_t color);
    void drawSegment(float x1, float y1, float x2, float y2, std::int32_t color);
    void drawSegment(QPointF a, QPointF b, std::int32_t color);
    // Connected segments in one colour are drawn as one polyline, far faster than a line
    // at a time; any other drawing first draws what is pending.
    void drawPending();
    QPointF pendingLast() const { return pending_[pendingCount_ - 1]; }
    // Room for `more` points after the pending ones; where they go.
    QPointF* pendingRoom(qsizetype more);
    // How far outside the image a segment's ends may lie and still be drawn as they are.
    double penReach() const { return std::max<int>(1, drawWidth_); }
    void markDirty(const QRectF& rect);
    void markDirty(QPointF a, QPointF b, double margin);
    QPointF toPixels(float x, float y) const { return {x / pixelX_, y / pixelY_}; }
    void resizeOuter(QSize outer);
    // The image's size and rectangle in layout pixels.
    QSize innerSize() const;
    QRectF innerRect() const { return QRectF(QPointF(0, 0), QSizeF(innerSize())); }
    void fitPicture();
    void repaintBackground(QImage& image) const;
    qreal lineHeight() const { return texts_->metrics().height(); }
    // Moves the pending polyline, a single segment, to the separate segments.
    void keepLoneSegment();
    // Notes a segment gone to the pending lines.
    void markPending(QPointF a, QPointF b, double margin);

    float pixelX_;
    float pixelY_;
    QPointer<SurfaceWidget> widget_;
    QImage image_;
    // Whether the image is made and painted. Until it is, painting is kept in recording_:
    // a control made, set up and drawn on before its layout sizes it, then cleared or
    // resized, makes and paints its image once, at the size it is shown at.
    bool painted_ = false;
    PaintRecording recording_;
    qreal ratio_ = 1.0;
    QSize inner_;  // the image's size in layout pixels
    qreal imageRatio_ = 1.0;  // the image's device pixel ratio
    std::optional<QPainter> painter_;
    QSize outer_;
    QRectF dirty_;
    bool flushPosted_ = false;
    // The points of the polyline not drawn yet, written in place: room for pendingCount_ of
    // them and more.
    std::vector<QPointF> pending_;
    qsizetype pendingCount_ = 0;
    std::int32_t pendingColor_ = -1;
    float currentX_ = 0.0f;
    float currentY_ = 0.0f;
    std::int16_t drawWidth_ = 1;
    std::int32_t foreColor_ = 0;
    std::int32_t fillColor_ = 0;
    std::int32_t backColor_ = 0xFFFFFF;
    std::int32_t penColor_ = -1;
    std::int16_t penWidth_ = -1;
    std::int16_t borderStyle_ = 0;
    bool autoSize_ = false;
    tesmo::Picture picture_;
    QFont font_;
    // The widths and glyphs of the texts printed in the font.
    std::shared_ptr<FontTexts> texts_;
    bool painterHasFont_ = false;
    // Segments of the pending pen not joined to the others, drawn together: as lines, and
    // as the runs of pixels they cover when they are horizontal or vertical.
    std::vector<QLineF> pendingLines_;
    std::vector<QRect> pendingRuns_;
    // Where the pending lines will draw, their pen's width included.
    QRectF pendingArea_;
};

}  // namespace tesmo
