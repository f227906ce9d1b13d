#pragma once

#include <QPointer>
#include <QWidget>

#include "qt/ReentryGate.h"
#include "surface/DialogViews.h"

namespace tesmo {

class AboutBox;
class TrackListWindow;
class UnitWindow;
class Clock;

// The control's own dialog windows.
class QtDialogs : public DialogViews {
public:
    QtDialogs(QWidget* owner, const Clock& clock, ReentryGate& gate) : owner_(owner), clock_(clock), gate_(gate) {}
    void detach() { owner_ = nullptr; }

    void ShowAbout() override;
    void ShowTrackList(frmList& list, bool topmost) override;
    void ShowSettings(frmUnit& dialog, bool modal, bool topmost) override;
    void CloseSettings() override;
    void UnloadAll() override;
    // Closes the settings dialog as its Cancel button does.
    void CancelSettings();

private:
    QPointer<QWidget> owner_;
    const Clock& clock_;
    ReentryGate& gate_;
    QPointer<AboutBox> about_;
    QPointer<TrackListWindow> trackList_;
    QPointer<UnitWindow> settings_;
};

}  // namespace tesmo
