#include "qt/FontTexts.h"

#include <QCoreApplication>
#include <QTextLayout>
#include <vector>

namespace tesmo {

namespace {

// The fonts in use are few; a program that goes through many starts again.
constexpr std::size_t kKeptFonts = 64;

// Never destroyed: the application may go after the other statics.
std::vector<std::shared_ptr<FontTexts>>& Shared() {
    static auto* shared = new std::vector<std::shared_ptr<FontTexts>>;
    return *shared;
}

// Glyphs belong to the application's font engines: they go with it.
void Forget() {
    Shared().clear();
}

}  // namespace

std::shared_ptr<FontTexts> FontTexts::For(const QFont& font, const QImage& resolution) {
    static const bool forgotten = (qAddPostRoutine(Forget), true);
    (void)forgotten;
    auto& shared = Shared();
    for (const auto& texts : shared)
        if (texts->font_ == font && texts->device_.dotsPerMeterX() == resolution.dotsPerMeterX() &&
            texts->device_.dotsPerMeterY() == resolution.dotsPerMeterY())
            return texts;
    if (shared.size() >= kKeptFonts) shared.clear();
    return shared.emplace_back(std::make_shared<FontTexts>(font, resolution));
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
    // Glyphs carry no lines: the painter draws those of an underlined or struck-out text.
    if (font_.underline() || font_.strikeOut() || font_.overline()) return nullptr;
    const auto kept = glyphRuns_.constFind(text);
    if (kept != glyphRuns_.cend()) return kept->has_value() ? &**kept : nullptr;
    if (glyphRuns_.size() >= kKept) glyphRuns_.clear();
    // Laid out as the painter lays out a text it draws, in the font as an image of that
    // resolution resolves it.
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
