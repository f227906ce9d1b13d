#include "qt/QtWindowSystem.h"

#include <QAction>
#include <QMenu>
#include <QWindow>
#include <cmath>

#include "qt/QtSurface.h"
#include "qt/SurfaceWidget.h"
#include "qt/WindowMenus.h"

namespace tesmo {
namespace {

// The menu of a window a control may use: a top-level window on screen.
WindowMenu* MenuOf(std::int64_t window, bool create) {
    QWidget* widget = WindowOf(window);
    return widget && widget->isWindow() ? WindowMenu::Of(widget, create) : nullptr;
}

}  // namespace

std::int64_t QtWindowSystem::ParentWindow() {
    // A window not on screen yet is no parent: the control is still being put in place.
    QWidget* window = control_ ? control_->window() : nullptr;
    return window && window->isVisible() ? WindowNumber(window) : 0;
}

std::int64_t QtWindowSystem::SurfaceWindow() {
    return WindowNumber(surface_);
}

int QtWindowSystem::ShowPopup(const PopupMenu& menu, float x, float y) {
    if (!surface_) return -1;
    ReentryGate::Scope scope(gate_);
    // Without a parent: the control may be deleted while its menu is open; the menu then
    // closes with it.
    QMenu popup;
    QObject::connect(surface_, &QObject::destroyed, &popup, &QMenu::close);
    popup.setObjectName(QString::fromStdString(menu.name));
    for (std::size_t i = 0; i < menu.items.size(); ++i) {
        const PopupMenu::Item& item = menu.items[i];
        if (item.name.empty()) {
            popup.addSeparator();
            continue;
        }
        QAction* action = popup.addAction(QString::fromStdString(item.caption));
        action->setObjectName(QString::fromStdString(item.name));
        action->setEnabled(item.enabled);
        action->setCheckable(item.checked);
        action->setChecked(item.checked);
        action->setData(static_cast<int>(i));
        if (static_cast<int>(i) == menu.defaultItem) popup.setDefaultAction(action);
    }
    // Also an item triggered from code while the menu is open counts as picked.
    QAction* picked = nullptr;
    QObject::connect(&popup, &QMenu::triggered, [&picked](QAction* action) { picked = action; });
    const int border = drawing_.borderPixels();
    const QPoint at(static_cast<int>(std::lround(x / pixelX_)) + border, static_cast<int>(std::lround(y / pixelY_)) + border);
    if (QAction* chosen = popup.exec(surface_->mapToGlobal(at))) picked = chosen;
    return picked ? picked->data().toInt() : -1;
}

void QtWindowSystem::ResetMenu(std::int64_t window) {
    if (WindowMenu* menu = MenuOf(window, false)) menu->reset();
}

void QtWindowSystem::AddMenuItem(std::int64_t window, std::int32_t id, const std::string& caption, bool rule) {
    if (WindowMenu* menu = MenuOf(window, true)) menu->add(id, QString::fromStdString(caption), rule);
}

void QtWindowSystem::EnableMenuItem(std::int64_t window, std::int32_t id, bool enabled) {
    if (WindowMenu* menu = MenuOf(window, false))
        if (QAction* item = menu->item(id)) item->setEnabled(enabled);
}

bool QtWindowSystem::IsMenuItemChecked(std::int64_t window, std::int32_t id) {
    WindowMenu* menu = MenuOf(window, false);
    QAction* item = menu ? menu->item(id) : nullptr;
    return item && item->isChecked();
}

void QtWindowSystem::CheckMenuItem(std::int64_t window, std::int32_t id, bool checked) {
    if (WindowMenu* menu = MenuOf(window, false)) {
        if (QAction* item = menu->item(id)) {
            item->setCheckable(true);
            item->setChecked(checked);
        }
    }
}

void QtWindowSystem::SetMenuItemCaption(std::int64_t window, std::int32_t id, const std::string& caption) {
    if (WindowMenu* menu = MenuOf(window, false))
        if (QAction* item = menu->item(id)) item->setText(QString::fromStdString(caption));
}

std::int64_t QtWindowSystem::InstallHook(std::int64_t window) {
    WindowMenu* menu = MenuOf(window, true);
    if (!menu) return 0;
    menu->hook(true);
    return 1;
}

void QtWindowSystem::RemoveHook(std::int64_t window, std::int64_t) {
    if (WindowMenu* menu = MenuOf(window, false)) menu->hook(false);
}

void QtWindowSystem::SetTopmostWindow(std::int64_t window, bool topmost) {
    QWidget* widget = WindowOf(window);
    if (!widget || !widget->isWindow()) return;
    // Through the window itself: setting the widget's flags would hide a shown window.
    widget->overrideWindowFlags(topmost ? widget->windowFlags() | Qt::WindowStaysOnTopHint
                                        : widget->windowFlags() & ~Qt::WindowStaysOnTopHint);
    if (QWindow* handle = widget->windowHandle()) handle->setFlag(Qt::WindowStaysOnTopHint, topmost);
}

bool QtWindowSystem::IsTopmostWindow(std::int64_t window) {
    const QWidget* widget = WindowOf(window);
    return widget && widget->isWindow() && (widget->windowFlags() & Qt::WindowStaysOnTopHint);
}

}  // namespace tesmo
