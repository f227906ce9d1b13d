#include "tracks/TrackList.h"

#include "core/ControlState.h"
#include "support/Text.h"
#include "surface/Ports.h"
#include "tesmo/Error.h"
#include "tracks/TrackStore.h"
#include "tracks/frmList.h"

namespace tesmo {
std::string TrackList::ChooseTrack(const std::string& title) {
    frmList& dialog = TrackListDialog();
    // One list at a time: a request made while it is on screen (from a host's timer, say)
    // gets no choice and leaves the list as the user sees it.
    if (dialog.Loaded()) return {};
    try {
        std::vector<std::string> names = store_.ListTracks();
        if (names.empty()) {
            ports_.prompts.MsgBox("No Track available.", msgbox::Information, "");
            return {};
        }
        dialog.Load(title, std::move(names), EqualsIgnoringCase(title, "Available Tracks") ? "View" : "Exec");
        struct Unload {
            frmList& dialog;
            ~Unload() { dialog.Unload(); }
        } unload{dialog};
        // On top as the control's window is now, which another of its controls may have set.
        const bool topmost = s_.ParentWindow != 0 ? ports_.windows.IsTopmostWindow(s_.ParentWindow) : s_.Topmost;
        ports_.dialogs.ShowTrackList(dialog, topmost);
        return dialog.TrackName();
    } catch (const Error&) {
        return {};
    }
}

void TrackList::View() {
    s_.TrackName = ChooseTrack("Available Tracks");
}

void TrackList::Remove() {
    // A deletion would run inside the new track's transaction and come back with a decline.
    if (s_.TrackOpen) {
        ports_.prompts.MsgBox("Commit or discard the new Track first.", msgbox::Exclamation, "");
        return;
    }
    s_.TrackName = ChooseTrack("Delete Track");
    if (s_.TrackName.empty()) return;
    const int answer = ports_.prompts.MsgBox("Are you sure to delete the Track  ''" + s_.TrackName + "'' ?",
                                             msgbox::Question | msgbox::YesNo | msgbox::DefaultButton2, "Delete Track");
    if (answer == msgbox::Yes && store_.DeleteTrack()) {
        s_.TrackName.clear();
        ports_.events.TracksChanged();
    }
}

}  // namespace tesmo
