// The pop-up menus and the window menu offscreen: opened with the mouse and the keyboard,
// and picked.
#include <QAction>
#include <QColorDialog>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QWindow>

#include "menus/MenuTables.h"
#include "widget/Harness.h"

namespace tesmo {
namespace {

// A menu's items as "name: caption", a rule as "|".
QStringList Items(const QMenu* menu) {
    QStringList items;
    for (const QAction* a : menu->actions()) items << (a->isSeparator() ? "|" : a->objectName() + ": " + a->text());
    return items;
}

// The core's pop-up items for a mode, in the same form.
QStringList CoreItems(std::int32_t mode) {
    QStringList items;
    for (const PopupItem& item : PopupItems(mode))
        items << (item.name ? QStringLiteral("%1: %2").arg(item.name, item.caption) : QStringLiteral("|"));
    return items;
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
    QStringList items;
    QString defaultName;
    OnShown<QMenu> map([&](QMenu* menu) {
        EXPECT_EQ(menu->objectName(), PopupName(0));
        items = Items(menu);
        defaultName = menu->defaultAction() ? menu->defaultAction()->objectName() : QString();
        Named(menu, "mnuXYStyle")->trigger();
        menu->close();
    });
    QTest::mouseClick(w.surface(), Qt::RightButton, {}, QPoint(30, 30));
    EXPECT_EQ(items, CoreItems(0));
    EXPECT_EQ(defaultName, "mnuExec");
    EXPECT_EQ(w.control().MapStyle(), enMapStyle::ScaleSystem);

    QTest::mouseClick(w.surface(), Qt::RightButton, Qt::ShiftModifier, QPoint(30, 30));
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr) << "Shift held: no menu";
    items.clear();
    OnShown<QMenu> chartMenu([&](QMenu* menu) {
        EXPECT_EQ(menu->objectName(), PopupName(1));
        items = Items(menu);
        menu->close();
    });
    QTest::mouseClick(&w, Qt::RightButton, {}, QPoint(0, 10));  // the margin
    EXPECT_EQ(items, CoreItems(1));

    // The drawing colour is chosen in the colour dialog, red in the low byte.
    w.control().setMapStyle(enMapStyle::Map);
    for (const bool accept : {true, false}) {
        OnShown<QMenu> pick([](QMenu* menu) {
            Named(menu, "mnuTrackcolor")->trigger();
            menu->close();
        });
        QString title;
        QColor start;
        OnShown<QColorDialog> answer([&](QColorDialog* dialog) {
            title = dialog->windowTitle();
            start = dialog->currentColor();
            dialog->setCurrentColor(QColor(0x12, 0x34, 0x56));
            accept ? dialog->accept() : dialog->reject();
        });
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
    EXPECT_EQ(menu->title(), "Window") << "as the menu bar shows it";
    QList<int> ids, coreIds;
    for (const SystemItem& item : SystemItems(0)) coreIds << item.id;
    QStringList own;
    for (const QAction* a : menu->actions()) {
        if (a->data().isValid())
            ids << a->data().toInt();
        else if (!a->isSeparator())
            own << a->text();
    }
    EXPECT_EQ(own, (QStringList{"Restore", "Minimize", "Maximize", "Close"}));
    EXPECT_EQ(ids, coreIds);
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

}  // namespace
}  // namespace tesmo
