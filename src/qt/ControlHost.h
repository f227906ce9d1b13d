#pragma once

#include <QPointer>
#include <memory>

#include "qt/QtCommonDialogs.h"
#include "qt/QtDialogs.h"
#include "qt/QtEvents.h"
#include "qt/QtHostSite.h"
#include "qt/QtLocale.h"
#include "qt/QtPrompts.h"
#include "qt/QtSurface.h"
#include "qt/QtUiLoop.h"
#include "qt/QtWindowSystem.h"
#include "qt/ReentryGate.h"
#include "qt/SurfaceWidget.h"
#include "pg/StoreEngine.h"
#include "surface/Ports.h"
#include "tesmo/ucTesmo.h"

namespace tesmo {

class TesmoWidget;

// One control with the Qt implementations of its ports.
class ControlHost {
public:
    explicit ControlHost(TesmoWidget& widget);
    ~ControlHost();

    ucTesmo& control() { return *control_; }
    SurfaceWidget* surfaceWidget() const { return surfaceWidget_; }
    QtHostSite& hostSite() { return hostSite_; }
    QtPrompts& prompts() { return prompts_; }
    QtDialogs& dialogs() { return dialogs_; }

    // Shuts the control down as its widget goes. When the control's own code is still on
    // the stack (the widget was deleted from inside a drawing's event processing), the
    // host lives on detached from every widget until that code has returned.
    static void Release(std::unique_ptr<ControlHost> host);

    // The track store of the controls created from now on ("" for Tesmo.mdb in their folder).
    static QString& DefaultTrackDatabase();

private:
    void detach();

    ReentryGate gate_;
    float pixelX_;
    float pixelY_;
    QPointer<SurfaceWidget> surfaceWidget_;
    QtSurface surface_;
    QtPrompts prompts_;
    QtHostSite hostSite_;
    SystemClock clock_;
    QtUiLoop ui_;
    QtLocale locale_;
    QtDialogs dialogs_;
    QtEvents events_;
    StoreEngine database_{DefaultTrackDatabase().toStdString()};
    QtWindowSystem windows_;
    QtCommonDialogs common_;
    std::unique_ptr<ucTesmo> control_;
};

}  // namespace tesmo
