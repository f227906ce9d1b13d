// The host's drawing operations on the chart.
#include "control/ControlImpl.h"
#include "settings/frmUnit.h"
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

void ucTesmo::EditScaleSetting(std::int16_t Modal, const std::string& Title) {
    ControlState& s = d->s;
    const Ports& ports = d->ports;
    if (s.MapStyle == 0) throw Error(1032, "Invalid method if 'MapStyle' = 0");
    frmUnit& dialog = UnitDialog();
    // One dialog for all controls: a second request while it is open is refused.
    if (dialog.Showing) {
        ports.prompts.MsgBox("The Coordinate System settings are already open.", msgbox::Exclamation, "");
        return;
    }
    dialog.TargetControl = this;
    dialog.onRedraw = [&s](bool redraw) { s.DialogRedraw = redraw; };
    dialog.onStopPreview = [&s] { StopPath(s); };
    const bool redraw = ports.host.Visible();
    dialog.DrawEnabled = redraw;
    dialog.Load();
    if (!Title.empty()) dialog.Caption = "Coordinate System settings: " + Title;
    d->menus.FollowWindowTopmost();
    if (Modal != 0) {
        if (s.Topmost) d->menus.ToggleTopmost(s.ParentWindow);
        ports.dialogs.ShowSettings(dialog, true, false);
    } else {
        ports.dialogs.ShowSettings(dialog, false, s.Topmost);
        // The call returns once the dialog has closed; meanwhile the user interface runs. A
        // FlagExit left set by a drawing stopped before does not end the wait at once.
        const bool stale = s.FlagExit;
        const auto waiting = [&] { return dialog.Showing && !s.Terminated && (stale || !s.FlagExit); };
        while (waiting()) {
            ports.ui.Yield();
            if (waiting()) ports.ui.WaitUntil(ports.clock.NowMs() + 250);
        }
    }
    const bool cancelled = dialog.Cancel || dialog.Showing;
    // Stopped by FlagExit: the dialog goes with the wait, its target with it.
    if (dialog.Showing) ports.dialogs.CloseSettings();
    dialog.TargetControl = nullptr;
    dialog.onRedraw = nullptr;
    dialog.onStopPreview = nullptr;
    if (!cancelled) ports.events.ChangeScaleSetting(redraw);
}

}  // namespace tesmo
