#pragma once

#include "surface/Clock.h"
#include "surface/CommonDialogs.h"
#include "surface/Database.h"
#include "surface/DialogViews.h"
#include "surface/HostSite.h"
#include "surface/Locale.h"
#include "surface/Prompts.h"
#include "surface/Surface.h"
#include "surface/UiLoop.h"
#include "surface/WindowSystem.h"
#include "tesmo/ucTesmoEvents.h"

namespace tesmo {

// Everything the control's logic needs from its platform.
struct Ports {
    Surface& surface;
    Prompts& prompts;
    HostSite& host;
    UiLoop& ui;
    Clock& clock;
    Locale& locale;
    DialogViews& dialogs;
    ucTesmoEvents& events;
    DatabaseEngine& database;
    WindowSystem& windows;
    CommonDialogs& common;
};

}  // namespace tesmo
