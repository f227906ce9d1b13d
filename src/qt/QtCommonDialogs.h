#pragma once

#include <QPointer>
#include <QWidget>

#include "qt/ReentryGate.h"
#include "surface/CommonDialogs.h"

namespace tesmo {

// The colour and open-file dialogs over the control's window, and picture files.
class QtCommonDialogs : public CommonDialogs {
public:
    QtCommonDialogs(QWidget* owner, ReentryGate& gate) : owner_(owner), gate_(gate) {}
    void detach() { owner_ = nullptr; }

    std::int32_t ShowColorDialog(std::int32_t initial, const std::string& title) override;
    std::vector<std::string> ShowOpenFileDialog(OpenFileDialogSetup& setup) override;
    tesmo::Picture LoadPicture(const std::string& path) override;

private:
    QPointer<QWidget> owner_;
    ReentryGate& gate_;
};

}  // namespace tesmo
