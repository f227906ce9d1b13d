#include "qt/QtDialogs.h"

#include "qt/AboutBox.h"
#include "qt/TrackListWindow.h"

namespace tesmo {

void QtDialogs::ShowAbout() {
    if (!owner_ || about_) return;
    ReentryGate::Scope scope(gate_);
    // On the heap: the window that owns the box may be deleted while it is open.
    about_ = new AboutBox(owner_->window());
    about_->exec();
    delete about_.data();
}

void QtDialogs::ShowTrackList(frmList& list, bool topmost) {
    if (!owner_ || trackList_) return;
    ReentryGate::Scope scope(gate_);
    trackList_ = new TrackListWindow(list, owner_->window());
    if (topmost) trackList_->setWindowFlag(Qt::WindowStaysOnTopHint);
    trackList_->exec();
    delete trackList_.data();
}

void QtDialogs::UnloadAll() {
    if (about_) about_->reject();
    if (trackList_) trackList_->closeFromCode();
}

}  // namespace tesmo
