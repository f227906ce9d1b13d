#pragma once

#include <QFont>

#include "tesmo/Font.h"

namespace tesmo {

inline QFont ToQFont(const Font& font) {
    QFont f(QString::fromStdString(font.Name));
    if (font.Size > 0) f.setPointSizeF(font.Size);
    f.setBold(font.Bold);
    f.setItalic(font.Italic);
    f.setUnderline(font.Underline);
    f.setStrikeOut(font.Strikethrough);
    return f;
}

inline Font FromQFont(const QFont& f) {
    Font font;
    font.Name = f.family().toStdString();
    font.Size = static_cast<float>(f.pointSizeF() > 0 ? f.pointSizeF() : f.pixelSize() * 0.75);
    font.Bold = f.bold();
    font.Italic = f.italic();
    font.Underline = f.underline();
    font.Strikethrough = f.strikeOut();
    return font;
}

}  // namespace tesmo
