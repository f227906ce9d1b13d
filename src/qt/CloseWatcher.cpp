#include "qt/CloseWatcher.h"

#include <QEvent>
#include <QTimer>
#include <algorithm>
#include <vector>

namespace tesmo {

// One to a window, shared by the widgets it holds: the window's own handler runs once, then
// each widget is asked.
class CloseGate : public QObject {
public:
    static CloseGate* Of(QWidget* window) {
        auto* found = window->findChild<QObject*>(kName, Qt::FindDirectChildrenOnly);
        if (auto* gate = dynamic_cast<CloseGate*>(found)) return gate;
        return new CloseGate(window);
    }
    void add(CloseWatcher* watcher) { watchers_.push_back(watcher); }
    void remove(CloseWatcher* watcher) { std::erase(watchers_, watcher); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != window_ || event->type() != QEvent::Close || watchers_.empty()) return false;
        // The window's own handler decides first (a host's "Quit?"): a close it refuses
        // leaves the widgets as they are, with nothing asked.
        static_cast<QObject*>(window_)->event(event);
        if (!event->isAccepted()) return true;
        const std::vector<QPointer<CloseWatcher>> asked(watchers_.begin(), watchers_.end());
        for (const QPointer<CloseWatcher>& watcher : asked) {
            if (watcher && !watcher->mayClose()) {
                event->ignore();
                return true;
            }
        }
        // Whether the window closed shows once the close has run to its end.
        QTimer::singleShot(0, this, [this, asked] {
            if (window_->isVisible()) return;
            for (const QPointer<CloseWatcher>& watcher : asked)
                if (watcher) watcher->closed();
        });
        return true;
    }

private:
    static constexpr const char* kName = "tesmoCloseGate";

    explicit CloseGate(QWidget* window) : QObject(window), window_(window) {
        setObjectName(kName);
        window->installEventFilter(this);
    }

    QWidget* window_;
    std::vector<CloseWatcher*> watchers_;
};

CloseWatcher::CloseWatcher(QWidget* widget, std::function<bool()> mayClose, std::function<void()> closed)
    : QObject(widget), widget_(widget), mayClose_(std::move(mayClose)), closed_(std::move(closed)) {
    widget->installEventFilter(this);
    follow();
}

CloseWatcher::~CloseWatcher() {
    if (gate_) gate_->remove(this);
}

void CloseWatcher::follow() {
    QWidget* window = widget_ ? widget_->window() : nullptr;
    if (window == window_) return;
    if (gate_) gate_->remove(this);
    window_ = window;
    gate_ = window_ ? CloseGate::Of(window_) : nullptr;
    if (gate_) gate_->add(this);
}

bool CloseWatcher::eventFilter(QObject* watched, QEvent* event) {
    // A move to another window shows the widget again there, also when an ancestor moved.
    if (watched == widget_ && (event->type() == QEvent::ParentChange || event->type() == QEvent::Show)) follow();
    return false;
}

}  // namespace tesmo
