// The control's plain and pass-through properties.
#include "tesmo/ucTesmo.h"

#include "core/ControlCore.h"
#include "control/ControlImpl.h"
#include "settings/frmUnit.h"
#include "core/Corrections.h"
#include "core/Layout.h"
#include "support/Conversions.h"
#include "support/Text.h"
#include "tesmo/Error.h"

namespace tesmo {
ucTesmo::ucTesmo(const Ports& ports) : d(std::make_unique<Impl>(ports, *this)) {}

ucTesmo::~ucTesmo() {
    // The settings dialog never reaches a control that is gone.
    frmUnit& dialog = UnitDialog();
    if (dialog.TargetControl == this) {
        dialog.Unload(false);
        dialog.TargetControl = nullptr;
        dialog.onRedraw = nullptr;
    }
}

bool ucTesmo::AutoRedraw() const { return d->s.AutoRedraw; }

void ucTesmo::setAutoRedraw(bool value) {
    d->s.AutoRedraw = value;
    d->ports.surface.setAutoRedraw(value);
    d->Notify("AutoRedraw");
}

bool ucTesmo::AutoSize() const { return d->s.AutoSize; }

void ucTesmo::setAutoSize(bool value) {
    d->s.AutoSize = value;
    d->ports.surface.setAutoSize(value);
    Layout(d->s, d->ports);
    d->Notify("AutoSize");
}

float ucTesmo::BaseStep() const { return d->s.BaseStep; }

void ucTesmo::setBaseStep(float value) {
    d->s.BaseStep = ClampToLimit(value, kMaxBaseStep);
    d->Notify("BaseStep");
}

enBorderStyle ucTesmo::BorderStyle() {
    d->s.BorderStyle = d->ports.surface.BorderStyle();
    return static_cast<enBorderStyle>(d->s.BorderStyle);
}

void ucTesmo::setBorderStyle(enBorderStyle value) {
    // Applied first: a value the surface refuses changes nothing.
    d->ports.surface.setBorderStyle(ToInt16(static_cast<std::int32_t>(value)));
    d->s.BorderStyle = static_cast<std::int32_t>(value);
    d->Notify("BorderStyle");
}

float ucTesmo::Delay() const { return d->s.Delay; }

void ucTesmo::setDelay(float value) {
    d->s.Delay = ClampToLimit(value, kMaxDelay);
    d->Notify("Delay");
}

std::int16_t ucTesmo::DrawWidth() const { return d->s.DrawWidth; }

void ucTesmo::setDrawWidth(std::int16_t value) {
    const std::int16_t width = CorrectDrawWidth(value, d->ports.surface.ScaleWidth());
    d->s.DrawWidth = width;
    d->ports.surface.setDrawWidth(width);
    d->Notify("DrawWidth");
}

bool ucTesmo::FlagExit() const { return d->s.FlagExit; }

void ucTesmo::setFlagExit(bool value) {
    if (!d->RunTime())
        throw Error(errors::DesignTimeOnlyRead, "'FlagExit' can only be set while the application runs");
    if (value) {
        AbortDrawing(d->s, d->ports, d->menus);
    } else {
        ResetFlagExit(d->s);
    }
    d->Notify("FlagExit");
}

std::string ucTesmo::ControlError() const { return d->s.ControlError; }

Picture ucTesmo::Picture() const { return d->s.Picture; }

void ucTesmo::setPicture(const tesmo::Picture& value) {
    d->s.Picture = value;
    d->ports.surface.setPicture(value);
    if (d->s.AutoSize) Layout(d->s, d->ports);
    d->Notify("Picture");
}

std::int32_t ucTesmo::Width() const { return d->s.Width; }

void ucTesmo::setWidth(std::int32_t value) {
    d->ports.host.setWidth(value);
    d->s.Width = d->SizeKept(value, d->ports.host.InnerWidth());
    d->Notify("Width");
}

std::int32_t ucTesmo::Height() const { return d->s.Height; }

void ucTesmo::setHeight(std::int32_t value) {
    d->ports.host.setHeight(value);
    d->s.Height = d->SizeKept(value, d->ports.host.InnerHeight());
    d->Notify("Height");
}

void ucTesmo::About() {
    d->ports.dialogs.ShowAbout();
    d->ports.surface.setVisible(true);
}

std::int32_t ucTesmo::BackColor() const { return d->s.BackColor; }

void ucTesmo::setBackColor(std::int32_t value) {
    d->s.BackColor = value;
    d->ports.surface.setBackColor(value);
    d->ports.host.setBackColor(value);
    d->Notify("BackColor");
}

bool ucTesmo::Enabled() const { return d->ports.host.Enabled(); }

void ucTesmo::setEnabled(bool value) {
    d->ports.host.setEnabled(value);
    d->Notify("Enabled");
}

std::int32_t ucTesmo::ForeColor() const { return d->s.ForeColor; }

void ucTesmo::setForeColor(std::int32_t value) {
    d->s.ForeColor = value;
    if (d->s.MapStyle == 1) {
        d->ports.surface.setForeColor(value);
        d->ports.surface.setFillColor(value);
    }
    d->Notify("ForeColor");
}

std::int32_t ucTesmo::hDC() const { return d->ports.surface.hDC(); }

std::int32_t ucTesmo::hWnd() const { return d->ports.surface.hWnd(); }

float ucTesmo::CurrentX() const { return d->s.CurrentX; }

void ucTesmo::setCurrentX(float value) {
    d->s.CurrentX = value;
    if (d->RunTime()) d->ports.surface.setCurrentX(value);
    d->Notify("CurrentX");
}

float ucTesmo::CurrentY() const { return d->s.CurrentY; }

void ucTesmo::setCurrentY(float value) {
    d->s.CurrentY = value;
    if (d->RunTime()) d->ports.surface.setCurrentY(value);
    d->Notify("CurrentY");
}

Font ucTesmo::Font() const { return d->ports.surface.Font(); }

void ucTesmo::setFont(const tesmo::Font& value) {
    d->ports.surface.setFont(value);
    d->Notify("Font");
}

std::string ucTesmo::Title() const { return d->s.Title; }

void ucTesmo::setTitle(const std::string& value) {
    d->s.Title = TrimBlanks(value);
    if (d->RunTime() && !d->s.Title.empty()) PrintTitle(d->s, d->ports);
    d->Notify("Title");
}

std::string ucTesmo::TrackName() const { return d->s.TrackName; }

bool ucTesmo::EnableMenu() const { return d->s.EnableMenu; }

void ucTesmo::setEnableMenu(bool value) {
    d->s.EnableMenu = value;
    if (d->RunTime()) {
        if (value)
            d->menus.SetUpMenus();
        else if (d->s.ParentWindow != 0)
            d->menus.DetachParent(d->s.ParentWindow);
    }
    d->Notify("EnableMenu");
}

bool ucTesmo::ViewPoints() const { return d->s.ViewPoints; }

void ucTesmo::setViewPoints(bool value) {
    d->s.ViewPoints = value;
    d->Notify("ViewPoints");
}

bool ucTesmo::ViewGrid() const { return d->s.ViewGrid; }

void ucTesmo::setViewGrid(bool value) {
    d->s.ViewGrid = value;
    d->Notify("ViewGrid");
}

std::int32_t ucTesmo::GridColor() const { return d->s.GridColor; }

void ucTesmo::setGridColor(std::int32_t value) {
    d->s.GridColor = value;
    d->Notify("GridColor");
}

Variant ucTesmo::MouseValueX() const { return d->s.MouseValueX; }

Variant ucTesmo::MouseValueY() const { return d->s.MouseValueY; }

bool ucTesmo::MouseScan() const { return d->s.MouseScan; }

void ucTesmo::setMouseScan(bool value) {
    d->s.MouseScan = value;
    d->Notify("MouseScan");
}

bool ucTesmo::ClipControls() const { return d->ports.surface.ClipControls(); }

void ucTesmo::setClipControls(bool) {
    d->s.ClipControls = true;
    if (!d->RunTime())
        d->ports.prompts.MsgBox("Read-only property.\r\r'ClipControls' property must be set to 'True'",
                                msgbox::Exclamation, "");
}

std::int32_t ucTesmo::TitleColor() const { return d->s.TitleColor; }

void ucTesmo::setTitleColor(std::int32_t value) {
    d->s.TitleColor = value;
    d->Notify("TitleColor");
}

std::int32_t ucTesmo::TextColor() const { return d->s.TextColor; }

void ucTesmo::setTextColor(std::int32_t value) {
    d->s.TextColor = value;
    d->Notify("TextColor");
}

std::int32_t ucTesmo::TrackColor() const { return d->s.TrackColor; }

void ucTesmo::setTrackColor(std::int32_t value) {
    d->s.TrackColor = value;
    d->Notify("TrackColor");
}

}  // namespace tesmo
