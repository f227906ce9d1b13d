#pragma once

#include <QPointer>
#include <QWidget>

#include "qt/ReentryGate.h"
#include "surface/CommonDialogs.h"

namespace tesmo {

// The colour dialog over the control's window.
class QtCommonDialogs : public CommonDialogs {
public:
    QtCommonDialogs(QWidget* owner, ReentryGate& gate) : owner_(owner), gate_(gate) {}
    void detach() { owner_ = nullptr; }

    std::int32_t ShowColorDialog(std::int32_t initial, const std::string& title) override;

private:
    QPointer<QWidget> owner_;
    ReentryGate& gate_;
};

}  // namespace tesmo
