#include "qt/CloseWatcher.h"

#include <QEvent>

namespace tesmo {

CloseWatcher::CloseWatcher(QWidget* widget, std::function<bool()> mayClose)
    : QObject(widget), widget_(widget), mayClose_(std::move(mayClose)) {
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
    if (watched == window_ && event->type() == QEvent::Close && !mayClose_()) {
        event->ignore();
        return true;
    }
    return false;
}

}  // namespace tesmo
