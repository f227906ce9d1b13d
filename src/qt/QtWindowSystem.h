#pragma once

#include <QPointer>
#include <QWidget>

#include "qt/ReentryGate.h"
#include "surface/WindowSystem.h"

namespace tesmo {

class SurfaceWidget;
class QtSurface;

// The control's windows on Qt: its pop-up menus as QMenus, and the menus Tesmo keeps for
// the top-level windows that hold controls. Windows are named by WindowNumber.
class QtWindowSystem : public WindowSystem {
public:
    QtWindowSystem(QWidget* control, SurfaceWidget* surface, const QtSurface& drawing, float pixelX, float pixelY,
                   ReentryGate& gate)
        : control_(control), surface_(surface), drawing_(drawing), pixelX_(pixelX), pixelY_(pixelY), gate_(gate) {}
    void detach() { control_ = nullptr; }

    std::int64_t ParentWindow() override;
    std::int64_t SurfaceWindow() override;
    int ShowPopup(const PopupMenu& menu, float x, float y) override;
    void ResetMenu(std::int64_t window) override;
    void AddMenuItem(std::int64_t window, std::int32_t id, const std::string& caption, bool rule) override;
    void EnableMenuItem(std::int64_t window, std::int32_t id, bool enabled) override;
    bool IsMenuItemChecked(std::int64_t window, std::int32_t id) override;
    void CheckMenuItem(std::int64_t window, std::int32_t id, bool checked) override;
    void SetMenuItemCaption(std::int64_t window, std::int32_t id, const std::string& caption) override;
    std::int64_t InstallHook(std::int64_t window) override;
    void RemoveHook(std::int64_t window, std::int64_t previous) override;
    void SetTopmostWindow(std::int64_t window, bool topmost) override;
    bool IsTopmostWindow(std::int64_t window) override;

private:
    QPointer<QWidget> control_;
    QPointer<SurfaceWidget> surface_;
    const QtSurface& drawing_;
    float pixelX_;
    float pixelY_;
    ReentryGate& gate_;
};

}  // namespace tesmo
