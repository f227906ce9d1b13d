// The coordinate-system settings dialog on screen, offscreen: typing, buttons, the close box,
// and the control going away while the dialog is open.
#include <QCheckBox>
#include <QClipboard>
#include <QColorDialog>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <memory>

#include "widget/Harness.h"

namespace tesmo {
namespace {

QDialog* SettingsWindow() {
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == QLatin1String("frmUnit") && top->isVisible()) return qobject_cast<QDialog*>(top);
    return nullptr;
}

// Runs `action` on the settings window once it is on screen, modal or not.
class WhenOpen {
public:
    explicit WhenOpen(std::function<void(QDialog*)> action) {
        QObject::connect(&poll_, &QTimer::timeout, [this, action] {
            QDialog* window = SettingsWindow();
            if (!window) return;
            poll_.stop();
            EXPECT_TRUE(QTest::qWaitForWindowActive(window));
            action(window);
        });
        poll_.start(5);
    }

private:
    QTimer poll_;
};

template <typename T>
T* Child(QDialog* window, const char* name) {
    T* child = window->findChild<T*>(QLatin1String(name));
    EXPECT_NE(child, nullptr) << name;
    return child;
}

void Retype(QDialog* window, const char* field, const QString& text) {
    auto* edit = Child<QLineEdit>(window, field);
    QTest::mouseClick(edit, Qt::LeftButton);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(edit, text);
}

// Presses Draw on a chart whose preview takes a while, and runs `leave` while it draws.
std::function<void(QDialog*)> DuringPreview(std::function<void(QDialog*)> leave) {
    return [leave](QDialog* d) {
        auto* chart = qobject_cast<TesmoWidget*>(d->parentWidget());
        ucTesmo& c = chart->control();
        c.Point_Add(0, 0);
        c.Point_Add(100, 100);
        c.setDelay(10);
        QSignalSpy finished(chart, &TesmoWidget::FinishDrawing);
        const auto watch = QObject::connect(chart, &TesmoWidget::StartDrawing, [&](bool&) {
            QTimer::singleShot(30, [&] { leave(d); });
        });
        Child<QPushButton>(d, "btnDraw")->click();
        QObject::disconnect(watch);
        EXPECT_EQ(finished.count(), 0) << "the preview stops where it is";
    };
}

struct Chart : ShownChart {
    Chart() { c.setMaxX(100.0); }
    QSignalSpy changed{&w, &TesmoWidget::ChangeScaleSetting};
};

TEST(SettingsDialogWidget, EveryPartIsNamedAndInTabOrder) {
    Chart chart;
    QStringList order;
    WhenOpen check([&](QDialog* window) {
        EXPECT_EQ(QApplication::activeModalWidget(), window);
        EXPECT_EQ(window->windowTitle(), "Coordinate System settings: Rain");
        for (const char* name : {"lblGrid", "lblBack", "lblChart"}) Child<QWidget>(window, name);
        EXPECT_EQ(Child<QLineEdit>(window, "txtMaxX")->text(), "100");
        QWidget* w = Child<QWidget>(window, "txtMinX");
        do {
            if (w->focusPolicy() & Qt::TabFocus) order << w->objectName();
            w = w->nextInFocusChain();
        } while (w->objectName() != "txtMinX");
        Child<QPushButton>(window, "btnCancel")->click();
    });
    chart.c.EditScaleSetting(1, "Rain");
    EXPECT_EQ(order, QStringList({"txtMinX", "vsMinX", "txtMaxX", "vsMaxX", "chkDateX", "txtUnitX", "vsUnitX",
                                  "txtMinY", "vsMinY", "txtMaxY", "vsMaxY", "chkDateY", "txtUnitY", "vsUnitY",
                                  "chkGrid", "btnOK", "btnDraw", "btnCancel"}));
}

// Typed values reach the control on Draw and on OK; the close box and Cancel keep the old ones.
// The keys and the spinners edit the field.
TEST(SettingsDialogWidget, ButtonsAndTheCloseBoxDecideWhatReachesTheControl) {
    const auto press = [](const char* button) {
        return [button](QDialog* d) { Child<QPushButton>(d, button)->click(); };
    };
    const auto escape = [](QDialog* d) { QTest::keyClick(Child<QLineEdit>(d, "txtMaxX"), Qt::Key_Escape); };
    const auto closeBox = [](QDialog* d) { d->close(); };
    const auto spin = [](QAbstractSlider::SliderAction action) {
        return [action](QDialog* d) { Child<QScrollBar>(d, "vsMaxX")->triggerAction(action); };
    };
    const auto key = [](const char* widget, Qt::Key k) {
        return [widget, k](QDialog* d) { QTest::keyClick(Child<QWidget>(d, widget), k); };
    };
    // Does `act` with the cursor at the start of the field, which then reads `text`, and OK.
    const auto edit = [](std::function<void(QDialog*)> act, const char* text) {
        return [act, text](QDialog* d) {
            auto* field = Child<QLineEdit>(d, "txtMaxX");
            field->setCursorPosition(0);
            act(d);
            EXPECT_EQ(field->text(), text);
            Child<QPushButton>(d, "btnOK")->click();
        };
    };
    const struct {
        const char* name;
        std::function<void(QDialog*)> leave;
        double maxX;
        QList<bool> events;  // the Redraw argument of each ChangeScaleSetting
    } cases[] = {
        {"OK", press("btnOK"), 250, {true}},
        {"Cancel", press("btnCancel"), 100, {}},
        {"close box", closeBox, 100, {}},
        {"Escape", escape, 100, {}},
        {"Draw then Close",
         [](QDialog* d) {
             // While the preview draws, Draw is greyed and Cancel already reads Close.
             QStringList during;
             auto* chart = qobject_cast<TesmoWidget*>(d->parentWidget());
             const auto watch = QObject::connect(chart, &TesmoWidget::ChangeScaleSetting, [&] {
                 during << (Child<QPushButton>(d, "btnDraw")->isEnabled() ? "enabled" : "greyed")
                        << Child<QPushButton>(d, "btnCancel")->text();
             });
             Child<QPushButton>(d, "btnDraw")->click();
             QObject::disconnect(watch);
             EXPECT_EQ(during, QStringList({"greyed", "Close"}));
             EXPECT_TRUE(Child<QPushButton>(d, "btnDraw")->isEnabled());
             EXPECT_EQ(Child<QPushButton>(d, "btnCancel")->text(), "Close");
             Child<QPushButton>(d, "btnCancel")->click();
         },
         250, {false}},  // from the drawing, none from closing
        {"Draw then OK", [&](QDialog* d) { press("btnDraw")(d), press("btnOK")(d); }, 250, {false, true}},
        {"Close during a preview", DuringPreview(press("btnCancel")), 250, {false}},
        {"close box during a preview", DuringPreview(closeBox), 250, {false}},
        {"Escape during a preview", DuringPreview(escape), 250, {false}},
        {"OK during a preview", DuringPreview(press("btnOK")), 250, {false}},
        {"dates on and off, leaving Min empty",
         [](QDialog* d) {
             auto* dates = Child<QCheckBox>(d, "chkDateX");
             dates->click();
             dates->click();
             EXPECT_EQ(Child<QLineEdit>(d, "txtMinX")->text(), "");
             Child<QPushButton>(d, "btnOK")->click();
         },
         250, {true}},
        {"dates on the Y axis, the first left to fill in",
         [](QDialog* d) {
             Child<QCheckBox>(d, "chkDateY")->click();
             EXPECT_TRUE(Child<QLineEdit>(d, "txtMinY")->text().contains('_')) << "the date's mask";
             EXPECT_EQ(Answer([&] { Child<QPushButton>(d, "btnOK")->click(); }), "Invalid Date.");
             Child<QPushButton>(d, "btnCancel")->click();
         },
         100, {}},
        {"junk pasted",
         [](QDialog* d) {
             QApplication::clipboard()->setText("12abc");
             QTest::keyClick(Child<QLineEdit>(d, "txtMaxX"), Qt::Key_V, Qt::ControlModifier);
             EXPECT_EQ(Answer([&] { Child<QPushButton>(d, "btnOK")->click(); }), "Type mismatch");
             Child<QPushButton>(d, "btnCancel")->click();
         },
         100, {}},
        {"10,000 digits pasted",
         [](QDialog* d) {
             auto* edit = Child<QLineEdit>(d, "txtMaxX");
             QApplication::clipboard()->setText(QString(10000, QLatin1Char('9')));
             QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
             QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
             QTest::keyClick(edit, Qt::Key_Tab);
             EXPECT_EQ(edit->text().size(), 10000) << "left as it is: no Single holds it";
             EXPECT_EQ(Answer([&] { Child<QPushButton>(d, "btnOK")->click(); }), "Overflow");
             EXPECT_TRUE(d->isVisible()) << "a value that does not fit keeps the dialog open";
             Child<QPushButton>(d, "btnCancel")->click();
         },
         100, {}},
        {"upper arrow", edit(spin(QAbstractSlider::SliderSingleStepSub), "251"), 251, {true}},
        {"lower arrow", edit(spin(QAbstractSlider::SliderSingleStepAdd), "249"), 249, {true}},
        {"Delete at the start", edit(key("txtMaxX", Qt::Key_Delete), "50"), 50, {true}},
        {"a letter", edit(key("txtMaxX", Qt::Key_X), "250"), 250, {true}},
    };
    for (const auto& c : cases) {
        Chart chart;
        WhenOpen act([&](QDialog* window) {
            Retype(window, "txtMaxX", "250");
            c.leave(window);
        });
        chart.c.EditScaleSetting(0, "");
        EXPECT_EQ(SettingsWindow(), nullptr) << c.name;
        EXPECT_DOUBLE_EQ(chart.c.MaxX().toDouble(), c.maxX) << c.name;
        QList<bool> events;
        for (const QList<QVariant>& args : chart.changed) events << args.at(0).toBool();
        EXPECT_EQ(events, c.events) << c.name;
    }
}

TEST(SettingsDialogWidget, OpensAgainFromItsOwnEvent) {
    Chart chart;
    int opened = 0;
    std::unique_ptr<WhenOpen> again;
    QObject::connect(&chart.w, &TesmoWidget::ChangeScaleSetting, [&] {
        again = std::make_unique<WhenOpen>([&](QDialog* window) {
            ++opened;
            Child<QPushButton>(window, "btnCancel")->click();
        });
        chart.c.EditScaleSetting(0, "");
    });
    WhenOpen first([&](QDialog* window) {
        ++opened;
        Child<QPushButton>(window, "btnOK")->click();
    });
    chart.c.EditScaleSetting(0, "");
    EXPECT_EQ(opened, 2) << "the closed window still waiting for deletion is no obstacle";
}

TEST(SettingsDialogWidget, ASecondRequestIsRefusedWhileTheDialogIsOpen) {
    Chart first, second;
    QString refusal;
    WhenOpen act([&](QDialog* window) {
        refusal = Answer([&] { second.w.control().EditScaleSetting(1, ""); });
        Child<QPushButton>(window, "btnOK")->click();
    });
    first.w.control().EditScaleSetting(0, "");
    EXPECT_EQ(refusal, "The Coordinate System settings are already open.");
    EXPECT_EQ(first.changed.count(), 1);
    EXPECT_EQ(second.changed.count(), 0);
}

// The dialog goes with its control, or as Cancel with the control's window, whatever the
// dialog is doing meanwhile.
TEST(SettingsDialogWidget, TheControlOrItsWindowGoesWhileTheDialogIsOpen) {
    const auto deleteDuringPreview = [](TesmoWidget* w) {
        return DuringPreview([w](QDialog*) { delete w; });
    };
    const auto whileChoosingAColour = [](std::function<void(TesmoWidget*)> leave) {
        return [leave](TesmoWidget* w) {
            return [w, leave](QDialog* d) {
                OnShown<QColorDialog> choose([w, leave](QColorDialog*) { leave(w); });
                QTest::mouseClick(Child<QWidget>(d, "lblBack"), Qt::LeftButton);
            };
        };
    };
    const auto closeWindow = [](TesmoWidget* w) { return [w](QDialog*) { w->window()->close(); }; };
    const struct {
        const char* name;
        bool deleted;
        std::function<std::function<void(QDialog*)>(TesmoWidget*)> act;
        bool withAnother = false;  // in a window that holds another control, made after it
    } cases[] = {
        {"deleted", true, [](TesmoWidget* w) { return [w](QDialog*) { delete w; }; }},
        {"its window closed", false, closeWindow},
        {"its window closed, another control in it", false, closeWindow, true},
        {"deleted during a preview", true, deleteDuringPreview},
        {"deleted while a colour is chosen", true, whileChoosingAColour([](TesmoWidget* w) { delete w; })},
        {"its window closed while a colour is chosen", false,
         whileChoosingAColour([](TesmoWidget* w) { w->window()->close(); })},
    };
    for (const auto& k : cases) {
        QWidget* holder = k.withAnother ? new QWidget : nullptr;
        auto* w = new TesmoWidget(holder);
        if (holder) new TesmoWidget(holder);
        w->window()->resize(320, 240);
        w->window()->show();
        ucTesmo& c = w->control();
        c.setMapStyle(enMapStyle::ScaleSystem);
        QSignalSpy changed(w, &TesmoWidget::ChangeScaleSetting);
        const auto act = k.act(w);
        WhenOpen open([&](QDialog* window) {
            Retype(window, "txtMaxX", "250");
            act(window);
        });
        c.EditScaleSetting(0, "");
        QTest::qWait(20);  // the control itself goes once its call has returned
        EXPECT_EQ(SettingsWindow(), nullptr) << k.name;
        if (!k.deleted) {
            EXPECT_EQ(changed.count(), 0);
            EXPECT_NE(c.MaxX().toDouble(), 250);
            delete w->window();
        }
    }
}

}  // namespace
}  // namespace tesmo
