#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

#include "tesmo/Font.h"
#include "tesmo/Picture.h"

namespace tesmo {

// The drawing surface pic_main. Every position and size is in twips; a failing call
// throws tesmo::Error.
class Surface {
public:
    virtual ~Surface() = default;

    // Clears the drawing to BackColor; the picture stays. Resets the text position.
    virtual void Cls() = 0;
    // A segment in the current ForeColor and DrawWidth.
    virtual void Line(float x1, float y1, float x2, float y2) = 0;
    // A segment in the given colour and the current DrawWidth.
    virtual void Line(float x1, float y1, float x2, float y2, std::int32_t color) = 0;
    // Segments from each point to the next, in the given colour and the current DrawWidth:
    // the same as a Line per segment, which a surface may draw faster.
    virtual void Polyline(std::span<const float> x, std::span<const float> y, std::int32_t color) {
        for (std::size_t i = 0; i + 1 < x.size() && i + 1 < y.size(); ++i) Line(x[i], y[i], x[i + 1], y[i + 1], color);
    }
    // The outline of the box with these opposite corners, in the given colour.
    virtual void Box(float x1, float y1, float x2, float y2, std::int32_t color) = 0;
    // Writes text at (CurrentX, CurrentY) in ForeColor. endLine false leaves the position
    // just after the text; true moves it to the start of the next line.
    virtual void Print(const std::string& text, bool endLine) = 0;
    virtual float TextWidth(const std::string& text) const = 0;
    virtual float TextHeight(const std::string& text) const = 0;

    virtual float ScaleWidth() const = 0;
    virtual float ScaleHeight() const = 0;
    virtual float CurrentX() const = 0;
    virtual void setCurrentX(float value) = 0;
    virtual float CurrentY() const = 0;
    virtual void setCurrentY(float value) = 0;

    virtual void setDrawWidth(std::int16_t width) = 0;
    virtual void setForeColor(std::int32_t color) = 0;
    virtual void setFillColor(std::int32_t color) = 0;
    virtual void setBackColor(std::int32_t color) = 0;
    virtual tesmo::Font Font() const = 0;
    virtual void setFont(const tesmo::Font& font) = 0;

    virtual void setAutoRedraw(bool value) = 0;
    // With AutoSize on and a picture set, the surface takes the picture's size.
    virtual void setAutoSize(bool value) = 0;
    virtual std::int16_t BorderStyle() const = 0;
    virtual void setBorderStyle(std::int16_t style) = 0;
    virtual void setPicture(const tesmo::Picture& picture) = 0;
    virtual bool HasPicture() const = 0;
    virtual void setVisible(bool visible) = 0;

    virtual float Left() const = 0;
    virtual float Top() const = 0;
    virtual float Width() const = 0;
    virtual float Height() const = 0;
    virtual void setWidth(float value) = 0;
    virtual void setHeight(float value) = 0;

    virtual std::int32_t hDC() const = 0;
    virtual std::int32_t hWnd() const = 0;
    virtual bool ClipControls() const = 0;
};

}  // namespace tesmo
