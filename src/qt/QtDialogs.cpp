#include "qt/QtDialogs.h"

#include "qt/AboutBox.h"
#include "qt/TrackListWindow.h"
#include "qt/UnitWindow.h"

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

void QtDialogs::ShowSettings(frmUnit& dialog, bool modal, bool topmost) {
    if (!owner_) {
        dialog.CancelButton();  // nowhere to show it
        return;
    }
    ReentryGate::Scope scope(gate_);
    // A window closed before may still wait for its deferred deletion; it is no longer ours.
    settings_.clear();
    settings_ = new UnitWindow(dialog, clock_, owner_->window());
    if (topmost) settings_->setWindowFlag(Qt::WindowStaysOnTopHint);
    if (modal) {
        settings_->exec();
        delete settings_.data();
        return;
    }
    QObject::connect(settings_.data(), &QDialog::finished, settings_.data(), &UnitWindow::deleteWhenIdle);
    settings_->show();
}

void QtDialogs::CloseSettings() {
    if (settings_) settings_->closeFromCode();
}

void QtDialogs::CancelSettings() {
    if (settings_) settings_->reject();
}

void QtDialogs::UnloadAll() {
    if (about_) about_->reject();
    if (trackList_) trackList_->closeFromCode();
    if (settings_) {
        settings_->closeFromCode();
        // The control's window, its parent, may be going too while a handler of the dialog
        // runs: the dialog goes on its own once that handler is done.
        settings_->setParent(nullptr);
    }
}

}  // namespace tesmo
