// The pop-up menus and the window menu offscreen: opened with the mouse and the keyboard,
// picked, and torn down in the middle.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QColorDialog>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <functional>

#include "tesmo/TesmoWidget.h"
#include "widget/OnShown.h"

namespace tesmo {
namespace {

QStringList Names(const QMenu* menu) {
    QStringList names;
    for (const QAction* a : menu->actions()) names << (a->isSeparator() ? "|" : a->objectName());
    return names;
}

QAction* Named(const QMenu* menu, const QString& name) {
    for (QAction* a : menu->actions())
        if (a->objectName() == name) return a;
    return nullptr;
}

TEST(MenuWidget, ARightClickOpensTheModesMenuAndAPickRunsItsCommand) {
    TesmoWidget w;
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    QStringList names;
    QString defaultName, caption;
    OnShown<QMenu> map([&](QMenu* menu) {
        EXPECT_EQ(menu->objectName(), "mnuPopup1");
        names = Names(menu);
        defaultName = menu->defaultAction() ? menu->defaultAction()->objectName() : QString();
        caption = Named(menu, "mnuXYStyle")->text();
        Named(menu, "mnuXYStyle")->trigger();
        menu->close();
    });
    QTest::mouseClick(w.surface(), Qt::RightButton, {}, QPoint(30, 30));
    EXPECT_EQ(names, (QStringList{"mnuView", "|", "mnuExec", "mnuTrackcolor", "mnuCancel", "mnuPicture", "|",
                                  "mnuClear1", "mnuClearPic", "mnuRemove", "|", "mnuLineDraw", "mnuPointDraw",
                                  "mnuCommit", "|", "mnuTopmost1", "|", "mnuXYStyle"}));
    EXPECT_EQ(defaultName, "mnuExec");
    EXPECT_EQ(caption, "Switch to Coordinate System mode");
    EXPECT_EQ(w.control().MapStyle(), enMapStyle::ScaleSystem);

    QTest::mouseClick(w.surface(), Qt::RightButton, Qt::ShiftModifier, QPoint(30, 30));
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << "Shift held: no menu";
    QMenu* chart = nullptr;
    OnShown<QMenu> chartMenu([&](QMenu* menu) {
        EXPECT_EQ(menu->objectName(), "mnuPopup2");
        chart = menu;
        menu->close();
    });
    QTest::mouseClick(&w, Qt::RightButton, {}, QPoint(0, 10));  // the margin
    EXPECT_NE(chart, nullptr);
}

TEST(MenuWidget, TheDrawingColourIsChosenInTheColourDialog) {
    TesmoWidget w;
    w.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    for (const bool accept : {true, false}) {
        OnShown<QMenu> pick([](QMenu* menu) {
            Named(menu, "mnuTrackcolor")->trigger();
            menu->close();
        });
        QString title;
        QColor start;
        QTimer answer;
        QObject::connect(&answer, &QTimer::timeout, [&] {
            auto* dialog = qobject_cast<QColorDialog*>(QApplication::activeModalWidget());
            if (!dialog) return;
            answer.stop();
            title = dialog->windowTitle();
            start = dialog->currentColor();
            dialog->setCurrentColor(QColor(0x12, 0x34, 0x56));
            accept ? dialog->accept() : dialog->reject();
        });
        answer.start(5);
        QTest::mouseClick(w.surface(), Qt::RightButton, {}, QPoint(30, 30));
        EXPECT_EQ(title, "Choose the drawing color");
        EXPECT_EQ(start, accept ? QColor(0, 0, 0xFF) : QColor(0x12, 0x34, 0x56));
        EXPECT_EQ(w.control().TrackColor(), 0x563412) << "cancelled: unchanged";
    }
}

TEST(MenuWidget, TheWindowMenuOfAMainWindowAndAlwaysOnTop) {
    QMainWindow main;
    main.menuBar()->addMenu(QStringLiteral("File"));
    auto* w = new TesmoWidget;
    main.setCentralWidget(w);
    EXPECT_EQ(TesmoWidget::windowMenu(&main), nullptr) << "not before the control is on screen";
    main.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&main));
    QMenu* menu = TesmoWidget::windowMenu(&main);
    ASSERT_NE(menu, nullptr);
    QList<int> ids;
    QStringList own;
    for (const QAction* a : menu->actions()) {
        if (a->data().isValid())
            ids << a->data().toInt();
        else if (!a->isSeparator())
            own << a->text();
    }
    EXPECT_EQ(own, (QStringList{"Restore", "Minimize", "Maximize", "Close"}));
    EXPECT_EQ(ids, (QList<int>{1100, 1101, 1102, 1103, 1104, 1105, 1106, 1107, 1108, 1109, 1114, 1111}));
    EXPECT_TRUE(main.menuBar()->actions().contains(menu->menuAction()));

    QTest::keyClick(&main, Qt::Key_Space, Qt::AltModifier);
    EXPECT_EQ(QApplication::activePopupWidget(), menu) << "Alt+Space opens it";
    menu->close();

    QAction* topmost = nullptr;
    for (QAction* a : menu->actions())
        if (a->data().toInt() == 1114) topmost = a;
    ASSERT_NE(topmost, nullptr);
    topmost->trigger();
    QApplication::processEvents();
    EXPECT_TRUE(main.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(main.windowHandle()->flags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(main.isVisible()) << "the change does not hide the window";
    EXPECT_TRUE(topmost->isChecked());
    bool popupChecked = false;
    OnShown<QMenu> topmostMark([&](QMenu* popup) {
        popupChecked = Named(popup, "mnuTopmost1")->isChecked();
        popup->close();
    });
    QTest::mouseClick(w->surface(), Qt::RightButton, {}, QPoint(30, 30));
    EXPECT_TRUE(popupChecked);
    w->systemCommand(1114);
    EXPECT_FALSE(main.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(topmost->isChecked());

    delete w;  // the window goes on as a plain window; its added items do nothing
    topmost->trigger();
    QApplication::processEvents();
    EXPECT_FALSE(main.windowFlags() & Qt::WindowStaysOnTopHint);
}

TEST(MenuWidget, DeletedWhileItsMenuIsOpenOrWithItsWindow) {
    auto* window = new QWidget;
    auto* w = new TesmoWidget(window);
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    OnShown<QMenu> deleting([w](QMenu*) { delete w; });
    QTest::mouseClick(w->surface(), Qt::RightButton, {}, QPoint(30, 30));
    delete window;

    auto* other = new QWidget;
    new TesmoWidget(other);
    other->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(other));
    delete other;
}

}  // namespace
}  // namespace tesmo
