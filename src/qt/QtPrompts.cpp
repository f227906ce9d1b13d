#include "qt/QtPrompts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QInputDialog>
#include <QMessageBox>
#include <algorithm>
#include <utility>

namespace tesmo {
namespace {

struct ButtonSet {
    QList<QMessageBox::StandardButton> buttons;
    int cancelResult;
};

ButtonSet ButtonsOf(int style) {
    using B = QMessageBox;
    switch (style & 7) {
        case 1: return {{B::Ok, B::Cancel}, msgbox::Cancel};
        case 2: return {{B::Abort, B::Retry, B::Ignore}, 3};
        case 3: return {{B::Yes, B::No, B::Cancel}, msgbox::Cancel};
        case 4: return {{B::Yes, B::No}, msgbox::No};
        case 5: return {{B::Retry, B::Cancel}, msgbox::Cancel};
        default: return {{B::Ok}, msgbox::Ok};
    }
}

QMessageBox::Icon IconOf(int style) {
    switch (style & 0x70) {
        case msgbox::Critical: return QMessageBox::Critical;
        case msgbox::Question: return QMessageBox::Question;
        case msgbox::Exclamation: return QMessageBox::Warning;
        case msgbox::Information: return QMessageBox::Information;
        default: return QMessageBox::NoIcon;
    }
}

int ResultOf(QMessageBox::StandardButton button) {
    switch (button) {
        case QMessageBox::Ok: return msgbox::Ok;
        case QMessageBox::Cancel: return msgbox::Cancel;
        case QMessageBox::Abort: return 3;
        case QMessageBox::Retry: return 4;
        case QMessageBox::Ignore: return 5;
        case QMessageBox::Yes: return msgbox::Yes;
        case QMessageBox::No: return msgbox::No;
        default: return msgbox::Cancel;
    }
}

QString TitleOr(const std::string& title) {
    return title.empty() ? QGuiApplication::applicationDisplayName() : QString::fromStdString(title);
}

}  // namespace

QString ShownText(const std::string& text) {
    QString s = QString::fromStdString(text);
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    s.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return s;
}

void QtPrompts::ShowDeferred() {
    for (const Message& m : std::exchange(deferred_, {})) {
        auto* box = new QMessageBox(IconOf(m.style), TitleOr(m.title), ShownText(m.text), QMessageBox::Ok,
                                    owner_ ? owner_->window() : nullptr);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
    }
}

int QtPrompts::MsgBox(const std::string& text, int style, const std::string& title) {
    const ButtonSet set = ButtonsOf(style);
    if (!owner_) return set.cancelResult;
    // A notice for a window that is not on screen yet (a control set up before its window
    // is shown) waits for the window instead of holding up its construction.
    if ((style & 7) == 0 && !owner_->window()->isVisible()) {
        // The same notice given again meanwhile (the database tried once more) is shown once.
        const Message message{text, style, title};
        if (std::find(deferred_.begin(), deferred_.end(), message) == deferred_.end()) deferred_.push_back(message);
        return msgbox::Ok;
    }
    ReentryGate::Scope scope(gate_);
    // On the heap: the window that owns the box may be deleted while it is open.
    QPointer<QMessageBox> box =
        new QMessageBox(IconOf(style), TitleOr(title), ShownText(text), QMessageBox::NoButton, owner_->window());
    QMessageBox::StandardButtons all;
    for (auto b : set.buttons) all |= b;
    box->setStandardButtons(all);
    const int defaultIndex = (style & 0x300) >> 8;
    if (defaultIndex < set.buttons.size()) box->setDefaultButton(set.buttons[defaultIndex]);
    box->exec();
    if (!box) return set.cancelResult;
    const auto clicked = box->standardButton(box->clickedButton());
    delete box.data();
    return clicked == QMessageBox::NoButton ? set.cancelResult : ResultOf(clicked);
}

std::string QtPrompts::InputBox(const std::string& prompt, const std::string& title, const std::string& defaultText) {
    if (!owner_) return {};
    ReentryGate::Scope scope(gate_);
    bool ok = false;
    const QString text = QInputDialog::getText(owner_->window(), TitleOr(title), ShownText(prompt), QLineEdit::Normal,
                                               QString::fromStdString(defaultText), &ok);
    return ok ? text.toStdString() : std::string{};
}

void QtPrompts::Beep() {
    QApplication::beep();
}

}  // namespace tesmo
