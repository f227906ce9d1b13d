#include "control/Commands.h"

#include "control/ControlImpl.h"

namespace tesmo {

const CommandState& Commands::State(Command command) const {
    return c_.d->menus.State(command);
}

void Commands::View() {
    if (Enabled(Command::View)) c_.d->list.View();
}

void Commands::Exec() {
    if (Enabled(Command::Exec)) c_.d->playback.ExecuteTrack(true);
}

void Commands::Cancel() {
    c_.d->playback.Cancel();
}

void Commands::Remove() {
    if (Enabled(Command::Remove)) c_.d->list.Remove();
}

void Commands::LineDraw() {
    if (Enabled(Command::LineDraw)) c_.d->creation.BeginNewTrack(CreationMode::ByStep);
}

void Commands::PointDraw() {
    if (Enabled(Command::PointDraw)) c_.d->creation.BeginNewTrack(CreationMode::ByPoints);
}

void Commands::Commit() {
    if (Enabled(Command::Commit)) c_.d->creation.Commit();
}

void Commands::SwitchToChart() {
    SwitchMode(Command::XYStyle, 1);
}

void Commands::SwitchToMap() {
    SwitchMode(Command::MapStyle, 0);
}

void Commands::SwitchMode(Command command, std::int32_t mode) {
    if (!Enabled(command)) return;
    auto& d = *c_.d;
    ResetFlagExit(d.s);
    d.ports.surface.Cls();
    // The field itself: a switch from the menus tells the container nothing.
    d.s.MapStyle = mode;
    if (mode == 0 && !d.s.DbTried) d.store.OpenDatabase();
    d.MenusForMode();
}

void Commands::DispatchSystemCommand(std::int32_t id) {
    switch (id) {
        case 1100: c_.About(); break;
        case 1101: View(); break;
        case 1102: Exec(); break;
        case 1103: Cancel(); break;
        case 1104:
        case 1112: c_.Clear(); break;
        case 1105: Remove(); break;
        case 1107: LineDraw(); break;
        case 1108: PointDraw(); break;
        case 1109: Commit(); break;
        case 1110: c_.EditScaleSetting(1, ""); break;
        case 1111: SwitchToChart(); break;
        case 1113: SwitchToMap(); break;
        default: break;  // 1106 (Set Picture...) and 1114 (Always on top) have no command yet
    }
}

}  // namespace tesmo
