// The pop-up menus, the window menu that mirrors them, the registry of hooked windows and
// "Always on top", on a recording window system and a real database.
#include <gtest/gtest.h>

#include <algorithm>

#include "control/Commands.h"
#include "fakes/Fakes.h"
#include "fakes/TrackDatabase.h"
#include "menus/clsControls.h"

namespace tesmo::test {
namespace {

// A control held by `window`, its surface named `surface`; controls given the same
// `screen` live among the same windows.
struct MenuRig : Rig {
    explicit MenuRig(std::int64_t window = 7, std::int64_t surface = 4242,
                     std::shared_ptr<FakeWindowSystem::Windows> screen = nullptr,
                     const std::string& folder = DatabaseWith({{1, "River", 1, 0, 0}, {2, "River", 1, 900, 0}})) {
        windows.parent = window;
        windows.surfaceWindow = surface;
        if (screen) windows.shared = std::move(screen);
        start(folder);
    }
    std::vector<std::int32_t> ids() { return idsOf(windows.parent); }
    std::vector<std::int32_t> idsOf(std::int64_t window) {
        std::vector<std::int32_t> all;
        for (const auto& i : windows.shared->menus[window]) all.push_back(i.id);
        return all;
    }
    bool enabled(std::int32_t id) { return windows.item(windows.parent, id)->enabled; }
    Commands commands{control};
};

TEST(WindowMenu, ItemsInOrderWithTheirRulesForEachMode) {
    MenuRig rig;
    const auto& map = rig.windows.shared->menus[7];
    EXPECT_EQ(rig.ids(), (std::vector<std::int32_t>{1100, 1101, 1102, 1103, 1104, 1105, 1106, 1107, 1108, 1109, 1114, 1111}));
    std::string rules;
    for (const auto& i : map) rules += i.rule ? 'R' : '-';
    EXPECT_EQ(rules, "RR--R--R--RR");
    EXPECT_EQ(map[4].caption, "Clear all tracks");
    // Every window-menu item but About... is the pop-up item of its id, in both modes.
    for (std::int32_t mode : {0, 1}) {
        for (const SystemItem& item : SystemItems(mode)) {
            const auto popup = PopupItems(mode);
            const bool paired = std::any_of(popup.begin(), popup.end(), [&](const PopupItem& p) {
                return p.systemId == item.id && p.command == item.command;
            });
            EXPECT_EQ(paired, item.id != 1100) << item.id;
        }
    }
    EXPECT_EQ(map[2].caption, "Execute Track drawing...");
    EXPECT_FALSE(rig.enabled(1103)) << "nothing to cancel";
    EXPECT_FALSE(rig.enabled(1109)) << "nothing to commit";
    EXPECT_TRUE(rig.windows.shared->hooked[7]);

    rig.commands.Run(Command::XYStyle);
    EXPECT_EQ(rig.ids(), (std::vector<std::int32_t>{1100, 1110, 1104, 1114, 1113}));
    EXPECT_EQ(rig.windows.shared->menus[7][2].caption, "Clear Chart");
    EXPECT_FALSE(rig.windows.shared->menus[7][2].rule);
    EXPECT_TRUE(rig.host.notified.empty()) << "a switch from the menu tells the container nothing";

    rig.control.setEnableMenu(false);
    EXPECT_TRUE(rig.ids().empty()) << "the window gets its own menu back";
    EXPECT_FALSE(rig.windows.shared->hooked[7]);
    rig.container().MouseUp(2, 0, 10, 10);
    EXPECT_TRUE(rig.windows.popups.empty());
}

TEST(WindowMenu, PairedWithThePopUpThroughAPlaybackAndAnUnusableDatabase) {
    MenuRig rig;
    rig.control.setDelay(5);
    bool checked = false;
    rig.ui.onYield = [&] {
        if (checked || !rig.commands.State(Command::Cancel).enabled) return;
        checked = true;
        rig.container().Show();  // restored from minimised during the playback
        EXPECT_EQ(rig.commands.State(Command::Exec).caption, "Abort drawing in progress");
        EXPECT_EQ(rig.windows.item(7, 1102)->caption, "Abort drawing in progress");
        for (std::int32_t id : {1101, 1105, 1107, 1108, 1111}) EXPECT_FALSE(rig.enabled(id)) << id;
        EXPECT_TRUE(rig.enabled(1103));
    };
    ASSERT_TRUE(rig.control.DrawTrack("River"));
    EXPECT_TRUE(checked);
    for (std::int32_t id : {1101, 1102, 1105, 1107, 1108, 1111}) EXPECT_TRUE(rig.enabled(id)) << id;

    const std::string folder = NewFolder();
    MenuRig missing(9, 5, nullptr, folder);
    missing.control.setFlagExit(true);  // refreshes the playback commands
    for (Command c : {Command::Exec, Command::View, Command::Cancel, Command::Remove, Command::LineDraw,
                      Command::PointDraw})
        EXPECT_FALSE(missing.commands.State(c).enabled);
    for (std::int32_t id : {1101, 1102, 1103, 1105, 1107, 1108}) EXPECT_FALSE(missing.enabled(id)) << id;
    EXPECT_TRUE(missing.enabled(1104));
    // The file put in place and the mode switched: the track commands come back.
    CreateTrackDatabase(folder + "Tesmo.mdb");
    missing.control.setMapStyle(enMapStyle::Map);
    for (Command c : {Command::Exec, Command::View, Command::Remove, Command::LineDraw, Command::PointDraw})
        EXPECT_TRUE(missing.commands.State(c).enabled);
    EXPECT_TRUE(missing.enabled(1102));
}

TEST(WindowMenu, TheLastControlRegisteredOwnsTheWindow) {
    MenuRig first(7, 1);
    MenuRig second(7, 2, first.windows.shared);
    first.control.setDelay(5);
    first.ui.onYield = [&] { EXPECT_TRUE(second.enabled(1101)) << "the first control's playback is not the window's"; };
    ASSERT_TRUE(first.control.DrawTrack("River"));
    first.ui.onYield = nullptr;
    ASSERT_TRUE(WindowRegistry());
    EXPECT_EQ(WindowRegistry()->Count(), 1);
    EXPECT_EQ(WindowRegistry()->Item(KeyOf(7))->hWnd, 2);
    SharedWindowProc(7, 1100);
    EXPECT_EQ(first.dialogs.aboutShown, 0);
    EXPECT_EQ(second.dialogs.aboutShown, 1);

    first.control.setEnableMenu(false);
    first.container().Terminate();
    EXPECT_TRUE(second.windows.shared->hooked[7]) << "the first control leaves the second's hook alone";
    EXPECT_EQ(second.ids().size(), 12u) << "and its items";
    SharedWindowProc(7, 1112);
    EXPECT_EQ(second.surface.opsOf("Cls").size(), 1u) << "1112 clears, though no item shows it";
    for (std::int32_t id : {1099, 1115, 1100 + 0x10000}) SharedWindowProc(7, id);
    EXPECT_EQ(second.dialogs.aboutShown, 1) << "ids outside 1100 to 1114 do nothing";

    second.container().Terminate();
    EXPECT_FALSE(WindowRegistry()) << "released with the last record";
    SharedWindowProc(7, 1100);  // a window whose controls are gone
    EXPECT_EQ(second.dialogs.aboutShown, 1);
}

TEST(WindowMenu, AControlMovedOrPutInDesignModeLeavesNothingBehind) {
    {
        // Registered first under no window (while hidden), then under its window.
        MenuRig hidden(0, 3);
        hidden.windows.parent = 7;
        hidden.container().Show();
        hidden.container().Terminate();
        EXPECT_FALSE(WindowRegistry()) << "released with the last record";
    }
    MenuRig rig(7, 1);
    rig.windows.parent = 8;
    rig.control.setMapStyle(enMapStyle::ScaleSystem);
    EXPECT_TRUE(rig.idsOf(7).empty()) << "the window it left";
    EXPECT_FALSE(rig.windows.shared->hooked[7]);
    EXPECT_EQ(rig.idsOf(8).size(), 5u);
    EXPECT_EQ(WindowRegistry()->Count(), 1);

    MenuRig creating(9, 2);
    creating.prompts.answers = {msgbox::Yes};
    creating.prompts.inputs = {"New"};
    creating.commands.Run(Command::PointDraw);
    creating.container().MouseUp(1, 0, 5, 5);
    creating.host.userMode = false;
    creating.container().EnterDesignMode();
    creating.host.userMode = true;
    creating.container().StartRunTime();
    EXPECT_TRUE(creating.commands.State(Command::Exec).enabled);
    EXPECT_FALSE(creating.commands.State(Command::Commit).enabled);
    EXPECT_FALSE(creating.windows.item(9, 1109)->enabled);
}

TEST(WindowMenu, AlwaysOnTopFollowsEachWindowsOwnCheckMark) {
    MenuRig a(7, 1);
    MenuRig b(8, 2, a.windows.shared);
    auto& topmost = a.windows.shared->topmost;
    const auto bands = [&] { return std::pair{topmost[7], topmost[8]}; };
    a.commands.Run(Command::Topmost1);
    EXPECT_EQ(bands(), (std::pair{true, false}));
    EXPECT_TRUE(a.commands.State(Command::Topmost1).checked);
    EXPECT_TRUE(a.commands.State(Command::Topmost2).checked);
    EXPECT_TRUE(a.windows.item(7, 1114)->checked);
    SharedWindowProc(8, 1114);
    EXPECT_EQ(bands(), (std::pair{true, true}));
    a.commands.Run(Command::Topmost2);
    EXPECT_EQ(bands(), (std::pair{false, true}));
    EXPECT_FALSE(a.windows.item(7, 1114)->checked);
    a.control.setMapStyle(enMapStyle::ScaleSystem);
    b.commands.Run(Command::XYStyle);
    EXPECT_TRUE(b.windows.item(8, 1114)->checked) << "a rebuilt menu keeps the mark";

    // Two controls in one window share its band and mark, whichever owns its menu.
    MenuRig c(7, 3, a.windows.shared);
    a.commands.Run(Command::Topmost1);
    EXPECT_EQ(bands(), (std::pair{true, true}));
    EXPECT_TRUE(c.windows.item(7, 1114)->checked);
    c.container().MouseUp(2, 0, 5, 5);
    ASSERT_FALSE(c.windows.popups.empty());
    const auto& items = c.windows.popups.back().items;
    const auto mark = std::find_if(items.begin(), items.end(), [](const auto& i) { return i.name == "mnuTopmost1"; });
    ASSERT_NE(mark, items.end());
    EXPECT_TRUE(mark->checked) << "the other control shows the same mark";
    c.control.setMapStyle(enMapStyle::ScaleSystem);  // the owner rebuilds the window's menu
    EXPECT_TRUE(c.windows.item(7, 1114)->checked) << "the rebuilt menu shows the window as it is";
}

TEST(PopupMenu, ARightReleaseOpensTheModesMenuAndRunsThePick) {
    MenuRig rig;
    rig.container().MouseUp(2, 1, 10, 10);
    rig.container().MouseUp(1, 0, 10, 10);
    EXPECT_TRUE(rig.windows.popups.empty()) << "Shift held, or the left button: no menu";

    rig.windows.pick = [](const PopupMenu& m) {
        return static_cast<int>(std::find_if(m.items.begin(), m.items.end(),
                                             [](const auto& i) { return i.name == "mnuTrackcolor"; }) -
                                m.items.begin());
    };
    rig.common.answer = 0x123456;
    rig.host.notified.clear();
    rig.container().MouseUp(2, 0, 10, 10);
    ASSERT_EQ(rig.windows.popups.size(), 1u);
    const PopupMenu& menu = rig.windows.popups[0];
    EXPECT_EQ(menu.name, "mnuPopup1");
    std::string shape;
    for (const auto& i : menu.items) shape += i.name.empty() ? "|" : i.enabled ? "+" : "-";
    EXPECT_EQ(shape, "+|++-+|+++|++-|+|+");
    EXPECT_EQ(rig.control.TrackColor(), 0x123456);
    EXPECT_TRUE(rig.host.notified.empty()) << "saved when the container next saves";

    rig.windows.pick = [](const PopupMenu&) { return 0; };
    rig.control.setMapStyle(enMapStyle::ScaleSystem);
    rig.container().MouseUp(2, 0, 10, 10);
    const PopupMenu& chart = rig.windows.popups.back();
    EXPECT_EQ(chart.name, "mnuPopup2");
    EXPECT_EQ(chart.defaultItem, -1);
    std::vector<std::string> captions;
    for (const auto& i : chart.items) captions.push_back(i.name.empty() ? "|" : i.caption);
    EXPECT_EQ(captions, (std::vector<std::string>{"Coordinate System settings", "Clear Chart", "|", "Always on top", "|",
                                                  "Switch to Map mode"}));
    EXPECT_EQ(rig.dialogs.settingsModal, std::vector<bool>{true}) << "Coordinate System settings, modal";
}

}  // namespace
}  // namespace tesmo::test
