#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QInputDialog>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <deque>

namespace tesmo {

// Answers the modal dialogs as they come, one answer each: the button of a message box, the
// text of an input box, the entry to pick in the track list; any other dialog is closed.
class Answers {
public:
    explicit Answers(std::deque<QString> answers) : answers_(std::move(answers)) {
        QObject::connect(&poll_, &QTimer::timeout, [this] { answer(); });
        poll_.start(5);
    }
    ~Answers() { EXPECT_TRUE(answers_.empty()) << "dialogs that never came: " << answers_.size(); }
    QStringList texts;  // what the message boxes said, and the other dialogs' titles

private:
    void answer() {
        QWidget* dialog = QApplication::activeModalWidget();
        if (!dialog || dialog == last_ || !dialog->isVisible() || answers_.empty()) return;
        last_ = dialog;
        const QString answer = answers_.front();
        answers_.pop_front();
        if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
            texts << box->text();
            for (QAbstractButton* b : box->buttons())
                if (b->text().remove('&') == answer) b->click();
        } else if (auto* input = qobject_cast<QInputDialog*>(dialog)) {
            input->setTextValue(answer);
            input->accept();
        } else if (auto* list = dialog->findChild<QListWidget*>("lstTratto")) {
            texts << dialog->windowTitle();
            const auto found = list->findItems(answer, Qt::MatchExactly);
            if (!found.isEmpty()) list->setCurrentItem(found.front());
            if (auto* ok = dialog->findChild<QPushButton*>("btnOK"); ok && !found.isEmpty())
                ok->click();
            else
                dialog->close();
        } else {
            texts << dialog->windowTitle();
            dialog->close();
        }
    }

    std::deque<QString> answers_;
    QPointer<QWidget> last_;
    QTimer poll_;
};

}  // namespace tesmo
