#pragma once

#include <QPointer>

#include "qt/ReentryGate.h"
#include "tesmo/TesmoWidget.h"
#include "tesmo/ucTesmoEvents.h"

namespace tesmo {

// Raises the control's events as the widget's signals.
class QtEvents : public ucTesmoEvents {
public:
    QtEvents(TesmoWidget* widget, ReentryGate& gate) : widget_(widget), gate_(gate) {}
    void detach() { widget_ = nullptr; }

    void MouseDown(std::int16_t& Button, std::int16_t& Shift, float& x, float& Y) override {
        raise([&](TesmoWidget* w) { emit w->MouseDown(Button, Shift, x, Y); });
    }
    void MouseMove(std::int16_t& Button, std::int16_t& Shift, float& x, float& Y) override {
        raise([&](TesmoWidget* w) { emit w->MouseMove(Button, Shift, x, Y); });
    }
    void MouseUp(std::int16_t& Button, std::int16_t& Shift, float& x, float& Y) override {
        raise([&](TesmoWidget* w) { emit w->MouseUp(Button, Shift, x, Y); });
    }
    void StartDrawing(bool& Cancel) override {
        raise([&](TesmoWidget* w) { emit w->StartDrawing(Cancel); });
    }
    void FinishDrawing() override {
        raise([](TesmoWidget* w) { emit w->FinishDrawing(); });
    }
    void ChangeScaleSetting(bool Redraw) override {
        raise([&](TesmoWidget* w) { emit w->ChangeScaleSetting(Redraw); });
    }
    void DrawingProgress(std::int32_t done, std::int32_t total) override {
        raise([&](TesmoWidget* w) { emit w->drawingProgress(done, total); });
    }
    void DrawingStateChanged(std::int32_t state) override {
        raise([&](TesmoWidget* w) { emit w->drawingStateChanged(static_cast<TesmoWidget::DrawingState>(state)); });
    }
    void TracksChanged() override {
        raise([](TesmoWidget* w) { emit w->tracksChanged(); });
    }

private:
    template <typename Emit>
    void raise(Emit&& emitSignal) {
        if (!widget_) return;
        ReentryGate::Scope scope(gate_);
        emitSignal(widget_.data());
    }

    QPointer<TesmoWidget> widget_;
    ReentryGate& gate_;
};

}  // namespace tesmo
