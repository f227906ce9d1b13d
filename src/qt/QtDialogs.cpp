#include "qt/QtDialogs.h"

#include "qt/AboutBox.h"

namespace tesmo {

void QtDialogs::ShowAbout() {
    if (!owner_ || about_) return;
    ReentryGate::Scope scope(gate_);
    // On the heap: the window that owns the box may be deleted while it is open.
    about_ = new AboutBox(owner_->window());
    about_->exec();
    delete about_.data();
}

void QtDialogs::UnloadAll() {
    if (about_) about_->reject();
}

}  // namespace tesmo
