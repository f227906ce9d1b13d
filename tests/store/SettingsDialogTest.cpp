// The settings dialog's logic through EditScaleSetting: loading, applying, its buttons,
// its swatches and the switch of an axis between numbers and dates.
#include <gtest/gtest.h>

#include "fakes/Fakes.h"
#include "support/DayNumber.h"

namespace tesmo::test {
namespace {

struct DialogRig : Rig {
    DialogRig() {
        clock.today = DayNumberFromCivil(2026, 12, 6) + 0.5;
        start();
        control.setMapStyle(enMapStyle::ScaleSystem);
        events.raised.clear();
        prompts.calls.clear();
    }
    // Opens the dialog and lets `user` act on it; the dialog closes with Cancel unless the
    // user closed it.
    void edit(const std::function<void(frmUnit&)>& user) {
        dialogs.onSettings = [user](frmUnit& d) {
            user(d);
            if (d.Showing) d.CancelButton();
        };
        control.EditScaleSetting(1, "");
    }
    std::string& text(frmUnit& d, UnitField f) { return d.field(f).text; }
};

TEST(SettingsDialog, LoadsTheControlsSettings) {
    const struct {
        float min;
        const char* shown;
    } bounds[] = {{0.5f, "0.5"}, {12.6f, "13"}, {-0.5f, "-1"}, {1500, "1,500"}};
    for (const auto& b : bounds) {
        DialogRig rig;
        MemoryPropertyBag stored;  // the setter would round the bound to a whole number
        stored.values = {{"MapStyle", std::int32_t{1}}, {"MinX", b.min}};
        rig.container().ReadProperties(stored);
        std::string shown;
        rig.edit([&](frmUnit& d) { shown = d.field(UnitField::MinX).text; });
        EXPECT_EQ(shown, b.shown) << b.min;
    }

    DialogRig rig;
    rig.control.setXAsDate(true);
    rig.control.setViewGrid(false);
    rig.control.setGridColor(0);
    rig.edit([&](frmUnit& d) {
        EXPECT_TRUE(d.DateX);
        EXPECT_EQ(d.field(UnitField::MinX).text, "01/01/2026");
        EXPECT_EQ(d.field(UnitField::MaxX).text, "31/12/2026");
        EXPECT_EQ(d.field(UnitField::UnitY).text, "10");
        EXPECT_EQ(d.GridCaption(), "axes");
        EXPECT_TRUE(frmUnit::IsDarkColor(d.swatches[0])) << "black: a white caption";
        d.GridClick(true);
        EXPECT_EQ(d.GridCaption(), "grid");
    });
    EXPECT_TRUE(rig.events.raised.empty()) << "cancelled: no event";

    const struct {
        std::int32_t color;
        bool dark;
    } colors[] = {{0x0000FF, false}, {0x646464, true}, {0xC8C8C8, false}, {0, true}, {0xC832C8, true}, {0xFFFFFF, false}};
    for (const auto& c : colors) EXPECT_EQ(frmUnit::IsDarkColor(c.color), c.dark) << std::hex << c.color;
}

TEST(SettingsDialog, OkAppliesInOrderAndRefusesBadDates) {
    DialogRig rig;
    rig.control.setXAsDate(true);
    rig.edit([&](frmUnit& d) {
        rig.text(d, UnitField::MaxX) = "__/__/____";
        d.OK(rig.prompts);
        EXPECT_TRUE(d.Showing) << "a bad date keeps the dialog open";
        EXPECT_EQ(rig.prompts.calls.back().text, "Invalid Date.");
        EXPECT_EQ(rig.prompts.calls.back().style, 48);
        EXPECT_EQ(rig.text(d, UnitField::MaxX), "__/__/____") << "kept: it has a /";
        EXPECT_EQ(d.focusRequest, UnitField::MaxX);
        rig.text(d, UnitField::MaxX) = "12";
        d.OK(rig.prompts);
        EXPECT_EQ(rig.text(d, UnitField::MaxX), "__/__/____") << "emptied, the mask comes back";

        rig.text(d, UnitField::MaxX) = "28/02/2026";
        rig.text(d, UnitField::MinY) = "-5";
        rig.text(d, UnitField::UnitY) = "-3";
        d.OK(rig.prompts);
        EXPECT_FALSE(d.Showing);
        EXPECT_EQ(rig.text(d, UnitField::UnitY), "1");
    });
    EXPECT_EQ(rig.control.MaxX().toDouble(), DayNumberFromCivil(2026, 2, 28));
    EXPECT_EQ(rig.control.MinY().toDouble(), -5);
    EXPECT_EQ(rig.control.UnitY(), 1);
    EXPECT_EQ(rig.events.raised, std::vector<std::string>{"ChangeScaleSetting"});
    EXPECT_EQ(rig.events.scaleRedraws, std::vector<bool>{true}) << "the control is on screen";

    // A value that cannot be written is reported and gets the focus; what came before stays.
    const struct {
        UnitField field;
        std::string text;
        const char* message;
    } refusals[] = {{UnitField::UnitX, "1e40", "Overflow"},
                    {UnitField::MaxX, "1e39", "Overflow"},
                    {UnitField::MaxY, "-" + std::string(400, '9'), "Overflow"},
                    {UnitField::MaxX, "10e9223372036854775807", "Overflow"},
                    {UnitField::MaxX, "1e-400", "Type mismatch"}};
    for (const auto& r : refusals) {
        DialogRig refused;
        refused.edit([&](frmUnit& d) {
            refused.text(d, UnitField::MinX) = "7";
            refused.text(d, r.field) = r.text;
            EXPECT_FALSE(d.ApplySettings(refused.prompts));
            EXPECT_EQ(refused.prompts.calls.back().text, r.message) << r.text.substr(0, 8);
            EXPECT_EQ(refused.prompts.calls.back().style, 16);
            EXPECT_EQ(d.focusRequest, r.field);
        });
        EXPECT_EQ(refused.control.MinX().toDouble(), 7) << "what was written before stays";
    }

    // Draw greys itself, then shows Cancel as Close, and OK closes the window, each before the
    // scale is drawn; the preview tells the host and draws the points.
    DialogRig shown;
    shown.control.Point_Add(10, 10);
    shown.control.Point_Add(90, 90);
    std::vector<std::string> states;
    shown.edit([&](frmUnit& d) {
        d.onShow = [&] {
            states.push_back(std::string(d.Showing ? "" : "closed, ") + (d.DrawEnabled ? "Draw " : "greyed ") +
                             d.CancelCaption + " " + std::to_string(shown.surface.ops.size()));
        };
        shown.surface.ops.clear();
        d.Draw(shown.prompts);
        shown.surface.ops.clear();
        d.OK(shown.prompts);
        d.onShow = nullptr;
    });
    EXPECT_EQ(states, (std::vector<std::string>{"greyed Cancel 0", "greyed Close 0", "closed, Draw Close 0"}));
    EXPECT_FALSE(shown.surface.ops.empty());
    EXPECT_EQ(shown.events.raised,
              (std::vector<std::string>{"ChangeScaleSetting", "StartDrawing", "FinishDrawing", "ChangeScaleSetting"}));
    EXPECT_EQ(shown.events.scaleRedraws, (std::vector<bool>{false, true})) << "the preview's, then OK's";

    DialogRig hidden;
    hidden.host.visible = false;
    hidden.edit([&](frmUnit& d) {
        EXPECT_FALSE(d.DrawEnabled);
        hidden.text(d, UnitField::MaxY) = "50";
        hidden.surface.ops.clear();
        d.OK(hidden.prompts);
    });
    EXPECT_EQ(hidden.control.MaxY().toDouble(), 50);
    EXPECT_TRUE(hidden.surface.ops.empty()) << "not on screen: no scale drawn";
}

TEST(SettingsDialog, SwatchesApplyAtOnce) {
    DialogRig rig;
    rig.common.answer = 0x00FF00;
    rig.edit([&](frmUnit& d) {
        d.SwatchClick(Swatch::Back, rig.common);
        rig.common.answer = -1;
        rig.control.setForeColor(0x123456);  // by the host, while the dialog shows
        d.SwatchClick(Swatch::Chart, rig.common);
    });
    EXPECT_EQ(rig.common.shown[0], (std::pair<std::int32_t, std::string>{0xFFC0C0, "Choose the background color"}));
    EXPECT_EQ(rig.common.shown[1], (std::pair<std::int32_t, std::string>{0x123456, "Choose the Chart color"}))
        << "the control's colour, not the one the dialog loaded";
    EXPECT_EQ(rig.control.BackColor(), 0x00FF00) << "kept although the dialog was cancelled";
    EXPECT_EQ(rig.control.ForeColor(), 0x123456) << "a cancelled colour changes nothing";
}

TEST(SettingsDialog, SwitchingAnAxisToDatesAndBack) {
    DialogRig rig;
    rig.edit([&](frmUnit& d) {
        d.AxisClick(true, true, true, rig.clock);
        EXPECT_EQ(rig.text(d, UnitField::MaxX), "31/12/2026");
        EXPECT_EQ(rig.text(d, UnitField::MinX), "__/__/____");
        EXPECT_EQ(d.field(UnitField::MinX).maxLength, 10);
        EXPECT_EQ(d.focusRequest, UnitField::MinX);
        d.AxisClick(true, false, true, rig.clock);
        EXPECT_EQ(rig.text(d, UnitField::MaxX), "100");
        EXPECT_EQ(rig.text(d, UnitField::MinX), "");
        EXPECT_EQ(d.field(UnitField::MinX).maxLength, 0);
        rig.text(d, UnitField::MinX) = std::string(400, '9');
        d.AxisClick(true, true, true, rig.clock);
        EXPECT_EQ(rig.text(d, UnitField::MinX), "__/__/____") << "beyond the calendar: the mask";
    });
    // The max text saved at the switch outlives the opening.
    rig.control.setXAsDate(true);
    rig.edit([&](frmUnit& d) {
        d.AxisClick(true, false, true, rig.clock);
        EXPECT_EQ(rig.text(d, UnitField::MaxX), "100");
    });
}

// A modeless dialog waits, sleeping, until it closes. FlagExit ends the wait when it is set
// while the dialog shows (the dialog closes, no event), not when a drawing stopped before
// left it set.
TEST(SettingsDialog, TheModelessWaitEndsWithTheDialogOrAFlagExitSetDuringIt) {
    for (const bool before : {false, true}) {
        DialogRig rig;
        rig.control.setFlagExit(before);
        rig.dialogs.onSettings = [](frmUnit&) {};  // shown; the user acts later
        int waited = 0;
        rig.ui.onYield = [&] {
            if (++waited != 3) return;
            if (before)
                UnitDialog().OK(rig.prompts);
            else
                rig.control.setFlagExit(true);
        };
        rig.control.EditScaleSetting(0);
        EXPECT_GE(waited, 3) << before;
        EXPECT_FALSE(UnitDialog().Showing) << before;
        EXPECT_EQ(UnitDialog().TargetControl, nullptr);
        EXPECT_EQ(rig.dialogs.settingsModal, std::vector<bool>{false});
        EXPECT_GT(rig.ui.waits.size(), 0u) << "sleeping, not spinning";
        EXPECT_EQ(rig.events.raised.size(), before ? 1u : 0u) << before;
    }

    Rig map;
    map.start();
    EXPECT_EQ(ErrorOf([&] { map.control.EditScaleSetting(); }), 1032);
}

}  // namespace
}  // namespace tesmo::test
