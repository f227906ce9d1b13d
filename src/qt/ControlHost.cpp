#include "qt/ControlHost.h"

#include <QCoreApplication>
#include <QTimer>
#include <algorithm>
#include <vector>

#include "control/Container.h"
#include "control/Steering.h"
#include "tesmo/TesmoWidget.h"

namespace tesmo {
namespace {

float TwipsPerPixel(double logicalDpi) {
    return static_cast<float>(1440.0 / (logicalDpi > 0 ? logicalDpi : 96.0));
}

// Hosts whose widget is gone while their control's code was still running. Those still
// there when the application ends go with it, before the thread's shared values do.
std::vector<std::unique_ptr<ControlHost>>& Orphans() {
    static std::vector<std::unique_ptr<ControlHost>> orphans;
    static const bool cleared = [] {
        qAddPostRoutine([] { Orphans().clear(); });
        return true;
    }();
    (void)cleared;
    return orphans;
}

}  // namespace

QString& ControlHost::DefaultTrackDatabase() {
    static QString store;
    return store;
}

ControlHost::ControlHost(TesmoWidget& widget)
    : pixelX_(TwipsPerPixel(widget.logicalDpiX())),
      pixelY_(TwipsPerPixel(widget.logicalDpiY())),
      surfaceWidget_(new SurfaceWidget(&widget)),
      surface_(pixelX_, pixelY_),
      prompts_(&widget, gate_),
      hostSite_(&widget, gate_, pixelX_, pixelY_),
      ui_(clock_, gate_),
      dialogs_(&widget, clock_, gate_),
      events_(&widget, gate_),
      windows_(&widget, surfaceWidget_, surface_, pixelX_, pixelY_, gate_),
      common_(&widget, gate_) {
    surfaceWidget_->setSurface(&surface_);
    surfaceWidget_->move(1, 1);
    surface_.attach(surfaceWidget_);
    control_ = std::make_unique<ucTesmo>(
        Ports{surface_, prompts_, hostSite_, ui_, clock_, locale_, dialogs_, events_, database_, windows_, common_});
    surfaceWidget_->onDoubleClick = [this] { Container(*control_).DblClick(); };
    surfaceWidget_->onKeyDown = [this](std::int16_t& key) { Container(*control_).KeyDown(key); };
    surfaceWidget_->onUndo = [this] { return Steering(*control_).UndoLastPoint(); };
    surfaceWidget_->onPointer = [this](SurfaceWidget::Pointer kind, std::int16_t button, std::int16_t shift, QPoint at) {
        const float x = static_cast<float>(at.x()) * pixelX_, y = static_cast<float>(at.y()) * pixelY_;
        Container container(*control_);
        switch (kind) {
            case SurfaceWidget::Pointer::Down: container.MouseDown(button, shift, x, y); break;
            case SurfaceWidget::Pointer::Move: container.MouseMove(button, shift, x, y); break;
            case SurfaceWidget::Pointer::Up: container.MouseUp(button, shift, x, y); break;
        }
    };
}

ControlHost::~ControlHost() {
    control_.reset();
}

void ControlHost::detach() {
    surface_.detach();
    prompts_.detach();
    hostSite_.detach();
    ui_.detach();
    dialogs_.detach();
    events_.detach();
    windows_.detach();
    common_.detach();
}

void ControlHost::Release(std::unique_ptr<ControlHost> host) {
    Container(host->control()).Terminate();
    if (!host->gate_.busy()) return;
    host->detach();
    ControlHost* orphan = host.get();
    orphan->gate_.setOnIdle([orphan] {
        // Deleted from the event loop, once the control's code has unwound.
        QTimer::singleShot(0, [orphan] {
            if (orphan->gate_.busy()) return;
            auto& orphans = Orphans();
            std::erase_if(orphans, [orphan](const auto& h) { return h.get() == orphan; });
        });
    });
    Orphans().push_back(std::move(host));
}

}  // namespace tesmo
