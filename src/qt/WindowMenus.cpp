#include "qt/WindowMenus.h"

#include <QAction>
#include <QCoreApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <map>

#include "menus/clsControls.h"

namespace tesmo {
namespace {

const char* const kNumberProperty = "tesmoWindowNumber";

std::map<std::int64_t, QPointer<QWidget>>& Numbered() {
    static std::map<std::int64_t, QPointer<QWidget>> widgets;
    return widgets;
}

}  // namespace

std::int64_t WindowNumber(QWidget* widget) {
    if (!widget) return 0;
    const QVariant known = widget->property(kNumberProperty);
    if (known.isValid()) return known.toLongLong();
    static std::int64_t last = 0;
    const std::int64_t number = ++last;
    widget->setProperty(kNumberProperty, QVariant::fromValue<qlonglong>(number));
    Numbered()[number] = widget;
    QObject::connect(widget, &QObject::destroyed, [number] { Numbered().erase(number); });
    return number;
}

QWidget* WindowOf(std::int64_t number) {
    const auto at = Numbered().find(number);
    return at == Numbered().end() ? nullptr : at->second.data();
}

QEvent::Type SystemCommandEvent::type() {
    static const auto registered = static_cast<QEvent::Type>(QEvent::registerEventType());
    return registered;
}

WindowMenu* WindowMenu::Of(QWidget* window, bool create) {
    if (!window) return nullptr;
    if (auto* existing = window->findChild<WindowMenu*>(QString(), Qt::FindDirectChildrenOnly)) return existing;
    return create ? new WindowMenu(window) : nullptr;
}

WindowMenu::WindowMenu(QWidget* window) : QObject(window), window_(window), menu_(new QMenu(window)) {
    menu_->setObjectName(QStringLiteral("windowMenu"));
    menu_->setTitle(tr("Window"));
    auto* shortcut = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), window);
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, menu_, [this] { menu_->popup(window_->mapToGlobal(QPoint(0, 0))); });
    if (auto* main = qobject_cast<QMainWindow*>(window))
        if (auto* bar = qobject_cast<QMenuBar*>(main->menuWidget())) bar->addMenu(menu_);
    reset();
}

void WindowMenu::reset() {
    menu_->clear();
    menu_->addAction(tr("Restore"), window_, &QWidget::showNormal);
    menu_->addAction(tr("Minimize"), window_, &QWidget::showMinimized);
    menu_->addAction(tr("Maximize"), window_, &QWidget::showMaximized);
    menu_->addAction(tr("Close"), window_, &QWidget::close);
}

void WindowMenu::add(int id, const QString& caption, bool rule) {
    if (rule) menu_->addSeparator();
    QAction* action = menu_->addAction(caption);
    action->setData(id);
    // Posted, as the platform's menus do: the command runs once the menu has closed. The
    // check mark is the control's to set (it reads it as the window's state), not Qt's.
    connect(action, &QAction::triggered, this, [this, id, action](bool checked) {
        if (action->isCheckable()) action->setChecked(!checked);
        QCoreApplication::postEvent(window_, new SystemCommandEvent(id));
    });
}

QAction* WindowMenu::item(int id) const {
    for (QAction* action : menu_->actions())
        if (action->data().isValid() && action->data().toInt() == id) return action;
    return nullptr;
}

void WindowMenu::hook(bool on) {
    if (on == hooked_) return;
    hooked_ = on;
    if (on)
        window_->installEventFilter(this);
    else
        window_->removeEventFilter(this);
}

bool WindowMenu::eventFilter(QObject* watched, QEvent* event) {
    if (watched != window_ || event->type() != SystemCommandEvent::type()) return false;
    SharedWindowProc(WindowNumber(window_), static_cast<SystemCommandEvent*>(event)->id());
    return true;
}

}  // namespace tesmo
