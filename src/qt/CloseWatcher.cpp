#include "qt/CloseWatcher.h"

#include <QEvent>
#include <QTimer>

namespace tesmo {

CloseWatcher::CloseWatcher(QWidget* widget, std::function<bool()> mayClose, std::function<void()> closed)
    : QObject(widget), widget_(widget), mayClose_(std::move(mayClose)), closed_(std::move(closed)) {
    widget->installEventFilter(this);
    follow();
}

void CloseWatcher::follow() {
    QWidget* window = widget_ ? widget_->window() : nullptr;
    if (window == window_) return;
    if (window_ && window_ != widget_) window_->removeEventFilter(this);
    window_ = window;
    if (window_ && window_ != widget_) window_->installEventFilter(this);
}

bool CloseWatcher::eventFilter(QObject* watched, QEvent* event) {
    // A move to another window shows the widget again there, also when an ancestor moved.
    if (watched == widget_ && (event->type() == QEvent::ParentChange || event->type() == QEvent::Show)) follow();
    if (watched != window_ || event->type() != QEvent::Close) return false;
    // The window's own handler decides first (a host's "Quit?"): a close it refuses leaves
    // the control as it is, with nothing asked.
    static_cast<QObject*>(window_.data())->event(event);
    if (!event->isAccepted()) return true;
    if (!mayClose_()) {
        event->ignore();
        return true;
    }
    // Whether the window closed shows once the close has run to its end.
    QTimer::singleShot(0, this, [this] {
        if (window_ && !window_->isVisible()) closed_();
    });
    return true;
}

}  // namespace tesmo
