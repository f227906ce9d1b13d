#pragma once

#include <QFont>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QHash>
#include <QImage>
#include <QList>
#include <QRectF>
#include <QString>
#include <memory>
#include <optional>

namespace tesmo {

// The widths and glyphs of texts in one font at one resolution, shared by every surface
// that prints in that font: a window of charts measures and lays out its labels once.
class FontTexts {
public:
    // A text's width and the box its glyphs cover from the baseline, in pixels.
    struct Extent {
        qreal advance;
        QRectF ink;
    };

    // The texts of `font` laid out at the resolution of `resolution` (an image's).
    static std::shared_ptr<FontTexts> For(const QFont& font, const QImage& resolution);

    FontTexts(const QFont& font, const QImage& resolution);
    const QFontMetricsF& metrics() const { return metrics_; }
    const Extent& measure(const QString& text);
    // A text's glyphs, placed from its baseline; none for a text the painter lays out
    // otherwise than on one line, or in a font with lines through or under it.
    const QList<QGlyphRun>* glyphs(const QString& text);

private:
    // The most texts kept.
    static constexpr qsizetype kKept = 1024;

    QFont font_;
    QImage device_;
    QFontMetricsF metrics_;
    QHash<QString, Extent> extents_;
    QHash<QString, std::optional<QList<QGlyphRun>>> glyphRuns_;
};

}  // namespace tesmo
