#include "qt/FontTexts.h"

#include <QTextLayout>
#include <map>
#include <tuple>

namespace tesmo {

std::shared_ptr<FontTexts> FontTexts::For(const QFont& font, const QImage& resolution) {
    // The fonts in use are few; a program that goes through many starts again.
    static std::map<std::tuple<QString, int, int>, std::shared_ptr<FontTexts>> shared;
    const auto key = std::make_tuple(font.key(), resolution.dotsPerMeterX(), resolution.dotsPerMeterY());
    auto& texts = shared[key];
    if (!texts) {
        if (shared.size() > 64) {
            shared.clear();
            return shared[key] = std::make_shared<FontTexts>(font, resolution);
        }
        texts = std::make_shared<FontTexts>(font, resolution);
    }
    return texts;
}

FontTexts::FontTexts(const QFont& font, const QImage& resolution)
    : font_(font), device_(resolution.copy()), metrics_(font) {}

const FontTexts::Extent& FontTexts::measure(const QString& text) {
    const auto kept = extents_.constFind(text);
    if (kept != extents_.cend()) return *kept;
    if (extents_.size() >= kKept) extents_.clear();
    return *extents_.insert(text, {metrics_.horizontalAdvance(text), metrics_.boundingRect(text)});
}

const QList<QGlyphRun>* FontTexts::glyphs(const QString& text) {
    const auto kept = glyphRuns_.constFind(text);
    if (kept != glyphRuns_.cend()) return kept->has_value() ? &**kept : nullptr;
    if (glyphRuns_.size() >= kKept) glyphRuns_.clear();
    // Laid out as the painter lays out a text it draws: in the font as the image resolves it.
    QTextLayout layout(text, font_, &device_);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    // A line separator ends a layout's line; the painter draws on past it.
    if (line.textLength() < text.size()) {
        glyphRuns_.insert(text, std::nullopt);
        return nullptr;
    }
    QList<QGlyphRun> runs = layout.glyphRuns();
    // Placed from the baseline.
    for (QGlyphRun& run : runs) {
        QList<QPointF> positions = run.positions();
        for (QPointF& p : positions) p.ry() -= line.ascent();
        run.setPositions(positions);
    }
    return &**glyphRuns_.insert(text, std::move(runs));
}

}  // namespace tesmo
