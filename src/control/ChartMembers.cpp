// The host's drawing operations on the chart.
#include "control/ControlImpl.h"
#include "tesmo/Error.h"

namespace tesmo {

bool ucTesmo::Draw() {
    return d->chart.Draw();
}

bool ucTesmo::DrawTrack(const std::string& DrawName) {
    return d->playback.DrawTrack(DrawName);
}

bool ucTesmo::SetScaleUnit() {
    return d->scale.SetScaleUnit();
}

void ucTesmo::DrawLine(float X1, float Y1, float X2, float Y2) {
    if (!d->ports.host.Enabled() || d->s.FlagExit) return;
    d->ports.surface.Line(X1, Y1, X2, Y2, d->s.ForeColor);
}

void ucTesmo::PrintText(const std::string& Text) {
    if (!d->ports.host.Enabled() || d->s.FlagExit) return;
    Surface& surface = d->ports.surface;
    surface.setForeColor(d->s.TextColor);
    surface.Print(Text, false);
    surface.setForeColor(d->s.ForeColor);
}

float ucTesmo::TextHeight(const std::string& strLine) const {
    return d->ports.surface.TextHeight(strLine);
}

float ucTesmo::TextWidth(const std::string& strLine) const {
    return d->ports.surface.TextWidth(strLine);
}

void ucTesmo::Clear() {
    d->ports.surface.Cls();
    if (d->s.MapStyle != 0) d->scale.SetScaleUnit();
}

void ucTesmo::EditScaleSetting(std::int16_t, const std::string&) {
    if (d->s.MapStyle == 0) throw Error(1032, "Invalid method if 'MapStyle' = 0");
    throw Error(errors::NotSupported, "The coordinate system settings dialog is not available in this version");
}

}  // namespace tesmo
