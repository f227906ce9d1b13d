#include "control/Commands.h"

#include "control/ControlImpl.h"
#include "support/Pickers.h"
#include "tesmo/Error.h"

namespace tesmo {

const CommandState& Commands::State(Command command) const {
    return c_.d->menus.State(command);
}

void Commands::Run(Command command, std::int64_t window) {
    auto& d = *c_.d;
    if (command == Command::Exec || command == Command::View || command == Command::Remove ||
        command == Command::LineDraw || command == Command::PointDraw)
        d.store.RetryFailed();
    if (!State(command).enabled) return;
    switch (command) {
        case Command::View: d.list.View(); break;
        case Command::Exec: d.playback.ExecuteTrack(true); break;
        case Command::TrackColor: {
            const std::int32_t color = ShowColorDialog(d.ports.common, d.s.TrackColor, "Choose the drawing color");
            // The setting changes without telling the container: it is saved when the container next saves.
            if (color > -1) d.s.TrackColor = color;
            break;
        }
        case Command::Cancel: d.playback.Cancel(); break;
        case Command::Clear1:
        case Command::Clear2:
        case Command::Clear: c_.Clear(); break;
        case Command::Remove: d.list.Remove(); break;
        case Command::LineDraw: d.creation.BeginNewTrack(CreationMode::ByStep); break;
        case Command::PointDraw: d.creation.BeginNewTrack(CreationMode::ByPoints); break;
        case Command::Commit: d.creation.Commit(); break;
        case Command::Topmost1:
        case Command::Topmost2: d.menus.ToggleTopmost(window != 0 ? window : d.s.ParentWindow); break;
        case Command::XYStyle: SwitchMode(1); break;
        case Command::MapStyle: SwitchMode(0); break;
        case Command::EditScale: c_.EditScaleSetting(1, ""); break;
        case Command::About: c_.About(); break;
        case Command::Picture: SetPicture(); break;
        case Command::ClearPic: RemovePicture(); break;
        case Command::Count: break;
    }
}

void Commands::SetPicture() {
    auto& d = *c_.d;
    OpenFileRequest request;
    using namespace std::string_literals;
    // The four long-standing filters, then PNG, the format the control stores pictures in.
    request.filter =
        "Bitmap (*.bmp)\0*.bmp\0Immagini JPEG (*.jpg)\0*.jpg\0Immagini GIF (*.gif)\0*.gif\0Metafile (*.wmf)\0*.wmf\0"
        "PNG (*.png)\0*.png\0\0"s;
    request.title = "Choose image file";
    request.fileName = "*.bmp";
    request.mustExist = true;
    const std::string path = ShowOpenFileDialog(d.ports.common, request).front();
    if (path.empty()) return;
    // A drawing under way (below this call) stops where it is before the picture is shown
    // under it; a playback then starts again over the picture.
    if (d.s.Drawing) StopPath(d.s);
    if (FileExists(path)) {
        try {
            // Kept by the control too, so that its settings save the picture it shows.
            c_.setPicture(d.ports.common.LoadPicture(path));
        } catch (const Error& e) {
            // The picture shown stays.
            d.ports.prompts.MsgBox(path + "\r\rThe file can't be shown as a picture: " + e.description(),
                                   msgbox::Critical, "");
        }
    }
    // The track being played starts again over the new picture.
    d.playback.Replay();
}

void Commands::RemovePicture() {
    auto& d = *c_.d;
    if (d.ports.prompts.MsgBox("Do you want to clear the current picture ?", msgbox::Question | msgbox::YesNo, "") ==
        msgbox::Yes)
        c_.setPicture({});
}

void Commands::DispatchSystemCommand(std::int32_t id) {
    if (const auto command = CommandOfSystemId(id)) Run(*command, c_.d->s.ParentWindow);
}

void Commands::SwitchMode(std::int32_t mode) {
    auto& d = *c_.d;
    ResetFlagExit(d.s);
    d.ports.surface.Cls();
    // The field itself: a switch from the menus tells the container nothing.
    d.s.MapStyle = mode;
    if (mode == 0 && !d.s.DbTried) d.store.OpenDatabase();
    d.MenusForMode();
}

void ucTesmo::Impl::RunCommand(Command command, std::int64_t window) {
    try {
        Commands(self).Run(command, window);
    } catch (const Error& e) {
        ports.prompts.MsgBox(e.description(), msgbox::Critical, "");
    }
}

}  // namespace tesmo
