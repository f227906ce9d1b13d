#pragma once

#include <QPointer>
#include <QWidget>

#include "qt/ReentryGate.h"
#include "surface/DialogViews.h"

namespace tesmo {

class AboutBox;
class TrackListWindow;

// The control's own dialog windows.
class QtDialogs : public DialogViews {
public:
    QtDialogs(QWidget* owner, ReentryGate& gate) : owner_(owner), gate_(gate) {}
    void detach() { owner_ = nullptr; }

    void ShowAbout() override;
    void ShowTrackList(frmList& list, bool topmost) override;
    void UnloadAll() override;

private:
    QPointer<QWidget> owner_;
    ReentryGate& gate_;
    QPointer<AboutBox> about_;
    QPointer<TrackListWindow> trackList_;
};

}  // namespace tesmo
