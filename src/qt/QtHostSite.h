#pragma once

#include <QPointer>
#include <QSize>

#include "tesmo/TesmoWidget.h"

#include "qt/ReentryGate.h"
#include "surface/HostSite.h"

namespace tesmo {

class TesmoWidget;

// The container side of the control: the widget's own size, colour and enabled state,
// property-change notification, ambient mode and font, screen metrics.
class QtHostSite : public HostSite {
public:
    QtHostSite(TesmoWidget* widget, ReentryGate& gate, float twipsPerPixelX, float twipsPerPixelY);
    void detach() { widget_ = nullptr; }
    void setDesignMode(bool design) { designMode_ = design; }

    float InnerWidth() const override;
    float InnerHeight() const override;
    void setWidth(std::int32_t twips) override;
    void setHeight(std::int32_t twips) override;
    bool LaidOut() const override;
    // The size last asked for, pixels: the widget's size hint.
    QSize sizeHint() const { return hint_; }
    void setBackColor(std::int32_t color) override;
    bool Enabled() const override;
    bool Visible() const override { return widget_ && widget_->isVisible(); }
    void setEnabled(bool value) override;
    void PropertyChanged(const std::string& name) override;
    bool UserMode() const override { return !designMode_; }
    tesmo::Font AmbientFont() const override;
    float TwipsPerPixelX() const override { return pixelX_; }
    float TwipsPerPixelY() const override { return pixelY_; }
    std::string ComponentFolder() const override;

    // Where the track database is looked for instead of the library's folder, when set.
    static QString& DefaultAppFolder();

private:
    // Resizes the widget, or in a layout asks the layout to look at the size hint again.
    void AskForSize(QSize size);

    QPointer<TesmoWidget> widget_;
    ReentryGate& gate_;
    float pixelX_;
    float pixelY_;
    bool designMode_ = false;
    bool enabled_ = true;
    QSize hint_;
};

}  // namespace tesmo
