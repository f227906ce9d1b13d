#pragma once

#include <QPointer>
#include <QWidget>
#include <vector>

#include "qt/ReentryGate.h"
#include "surface/Prompts.h"

namespace tesmo {

// Modal message and input boxes over the control's window. Once the window is gone they
// answer at once as if cancelled.
class QtPrompts : public Prompts {
public:
    QtPrompts(QWidget* owner, ReentryGate& gate) : owner_(owner), gate_(gate) {}
    void detach() { owner_ = nullptr; }

    // Shows the messages that came while the window was not on screen yet.
    void ShowDeferred();
    void DropDeferred() { deferred_.clear(); }

    int MsgBox(const std::string& text, int style, const std::string& title) override;
    std::string InputBox(const std::string& prompt, const std::string& title, const std::string& defaultText) override;
    void Beep() override;

private:
    struct Message {
        std::string text;
        int style;
        std::string title;
        bool operator==(const Message&) const = default;
    };

    QPointer<QWidget> owner_;
    ReentryGate& gate_;
    std::vector<Message> deferred_;
};

// Carriage returns separate lines in the control's texts; on screen they become line breaks.
QString ShownText(const std::string& text);

}  // namespace tesmo
