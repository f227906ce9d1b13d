#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "tesmo/Enums.h"
#include "tesmo/Error.h"
#include "tesmo/Font.h"
#include "tesmo/Picture.h"
#include "tesmo/Variant.h"
#include "tesmo/tyPoint.h"

namespace tesmo {

struct Ports;
class Container;

// The Tesmo control: a Cartesian chart ("Scale System" mode) or a track player over a
// background picture ("Map" mode). Sizes and positions are in twips (1/1440 inch).
// Colours are RGB values with red in the low byte. Errors reach the caller as tesmo::Error.
//
// A host gets its control from TesmoWidget::control(); the constructor is for the platform.
class ucTesmo {
public:
    explicit ucTesmo(const Ports& ports);
    ~ucTesmo();
    ucTesmo(const ucTesmo&) = delete;
    ucTesmo& operator=(const ucTesmo&) = delete;

    // Opens the coordinate system settings dialog (Modal 0: modeless, the call still
    // returns only once the dialog has closed).
    void EditScaleSetting(std::int16_t Modal = 1, const std::string& Title = {});
    // Draws the stored points as an animated polyline. False when nothing was drawn.
    bool Draw();
    // Draws a track stored in the database, branch by branch. False if it fails.
    bool DrawTrack(const std::string& DrawName);
    // Wipes the drawing; in coordinate system mode the scale is drawn again.
    void Clear();

    // Returns/sets the output from a graphics method to a persistent bitmap.
    bool AutoRedraw() const;
    void setAutoRedraw(bool value);
    // Determines whether a control is automatically resized to display its entire contents.
    bool AutoSize() const;
    void setAutoSize(bool value);
    // Returns/sets the drawing step length (0 to 64000).
    float BaseStep() const;
    void setBaseStep(float value);
    // Returns/sets the border style for the Map control.
    enBorderStyle BorderStyle();
    void setBorderStyle(enBorderStyle value);
    // Returns/sets msec delay of drawing between two steps (0 to 60000).
    float Delay() const;
    void setDelay(float value);
    // Returns/sets the line width for output from graphics method.
    std::int16_t DrawWidth() const;
    void setDrawWidth(std::int16_t value);
    // Set true to force a running drawing to stop (also done when the control closes).
    bool FlagExit() const;
    void setFlagExit(bool value);
    // The description of the last error.
    std::string ControlError() const;
    // Returns/sets a graphic to be displayed in the control.
    tesmo::Picture Picture() const;
    void setPicture(const tesmo::Picture& value);
    // Returns/sets the width of the control (twips).
    std::int32_t Width() const;
    void setWidth(std::int32_t value);
    // Returns/sets the height of the control (twips).
    std::int32_t Height() const;
    void setHeight(std::int32_t value);
    // Shows the About box.
    void About();
    // Returns/sets the background color, for both map and coordinate system mode.
    std::int32_t BackColor() const;
    void setBackColor(std::int32_t value);
    // Returns/sets whether the control responds to user-generated events.
    bool Enabled() const;
    void setEnabled(bool value);
    // Returns/sets the foreground color used for text and graphics in coordinate system mode.
    std::int32_t ForeColor() const;
    void setForeColor(std::int32_t value);
    // Device context handle: always 0 on this platform.
    std::int32_t hDC() const;
    // The native window id of the drawing surface.
    std::int32_t hWnd() const;
    // Returns/sets the horizontal coordinate for the next print or draw method.
    float CurrentX() const;
    void setCurrentX(float value);
    // Returns/sets the vertical coordinate for the next print or draw method.
    float CurrentY() const;
    void setCurrentY(float value);
    // Returns/sets the font of the drawing surface.
    tesmo::Font Font() const;
    void setFont(const tesmo::Font& value);
    // Height of a text in the surface's font.
    float TextHeight(const std::string& strLine) const;
    // Width of a text in the surface's font.
    float TextWidth(const std::string& strLine) const;
    // Returns/sets the title printed for the current drawing.
    std::string Title() const;
    void setTitle(const std::string& value);
    // The track name chosen last, to load from the database.
    std::string TrackName() const;
    // Returns/sets whether the right-button menu (and the window menu entries) is active.
    bool EnableMenu() const;
    void setEnableMenu(bool value);
    // Draws one line in surface units (twips), not chart values.
    void DrawLine(float X1, float Y1, float X2, float Y2);
    // Returns/sets whether the points of a drawing are marked.
    bool ViewPoints() const;
    void setViewPoints(bool value);

    // Adds a point; in coordinate system mode it must lie within the bounds.
    bool Point_Add(const Variant& x, const Variant& Y, const std::string& Key = {});
    // A copy of the point at a 1-based position (a number) or under a key (a text).
    tyPoint Point_Item(const Variant& Index) const;
    // The 1-based index of the point stored under Key.
    std::int32_t Point_Index(const std::string& Key) const;
    std::int32_t Point_Count() const;
    void Point_Clear();

    // Chart bounds: numbers, or dates (the getters give day numbers on a date axis).
    Variant MinX();
    void setMinX(const Variant& value);
    Variant MaxX();
    void setMaxX(const Variant& value);
    Variant MinY();
    void setMinY(const Variant& value);
    Variant MaxY();
    void setMaxY(const Variant& value);
    // Returns/sets whether the grid of the coordinate system is visible.
    bool ViewGrid() const;
    void setViewGrid(bool value);
    // Draws the coordinate system: frame, ticks or grid, zero lines and labels.
    bool SetScaleUnit();
    // Chart margins (twips).
    float LeftScale() const;
    void setLeftScale(float value);
    float TopScale() const;
    void setTopScale(float value);
    float RightScale() const;
    void setRightScale(float value);
    float BottomScale() const;
    void setBottomScale(float value);
    // Tick steps in chart units (days on a date axis).
    std::int32_t UnitX() const;
    void setUnitX(std::int32_t value);
    std::int32_t UnitY() const;
    void setUnitY(std::int32_t value);
    // Map (0) or Scale System (1).
    enMapStyle MapStyle() const;
    void setMapStyle(enMapStyle value);
    // Returns/sets the color used to draw the coordinate system grid.
    std::int32_t GridColor() const;
    void setGridColor(std::int32_t value);
    // The chart values of the pointer, as text once the pointer has been over the chart.
    Variant MouseValueX() const;
    Variant MouseValueY() const;
    // Returns/sets whether moving the mouse updates MouseValueX and MouseValueY.
    bool MouseScan() const;
    void setMouseScan(bool value);
    // Returns/sets whether an axis holds dates.
    bool XAsDate() const;
    void setXAsDate(bool value);
    bool YAsDate() const;
    void setYAsDate(bool value);
    // Always true: only the whole surface is repainted.
    bool ClipControls() const;
    void setClipControls(bool value);
    // Prints a text at (CurrentX, CurrentY) in TextColor.
    void PrintText(const std::string& Text);
    // Returns/sets the color used to print the title.
    std::int32_t TitleColor() const;
    void setTitleColor(std::int32_t value);
    // Returns/sets the text color used with PrintText.
    std::int32_t TextColor() const;
    void setTextColor(std::int32_t value);
    // Returns/sets the color used to draw a track in map mode.
    std::int32_t TrackColor() const;
    void setTrackColor(std::int32_t value);

private:
    friend class Container;
    friend class Commands;
    friend class Steering;
    struct Impl;
    std::unique_ptr<Impl> d;
};

}  // namespace tesmo
