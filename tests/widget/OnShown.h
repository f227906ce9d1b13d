#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace tesmo {

// Runs `action` once on the next pop-up menu or modal dialog of class W on screen, while
// this object lives. It polls, so that it does not matter which event loop shows it.
template <typename W>
class OnShown {
public:
    explicit OnShown(std::function<void(W*)> action) {
        QObject::connect(&poll_, &QTimer::timeout, [this, action] {
            QWidget* top = QApplication::activePopupWidget();
            auto* shown = qobject_cast<W*>(top ? top : QApplication::activeModalWidget());
            if (!shown || !shown->isVisible()) return;
            poll_.stop();
            action(shown);
        });
        poll_.start(5);
    }

private:
    QTimer poll_;
};

}  // namespace tesmo
