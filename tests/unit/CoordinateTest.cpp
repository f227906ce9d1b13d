// The chart's settings: bound, margin, unit, date-axis and mode setters.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "fakes/Fakes.h"
#include "support/DayNumber.h"
#include "tesmo/Error.h"

namespace tesmo::test {
namespace {

struct ChartRig : Rig {
    ChartRig() {
        start();
        clock.today = DayNumberFromCivil(2026, 12, 6) + 0.5;
        control.setMapStyle(enMapStyle::ScaleSystem);
        host.notified.clear();
    }
};

TEST(Bounds, SettersRoundNumbersTakeDatesAndIgnoreTheRest) {
    const double day = DayNumberFromCivil(1999, 3, 31);
    const struct {
        const char* name;
        Variant value;
        float expected;
        bool asDate;
        std::vector<std::string> notified;
    } cases[] = {
        {"2.6 rounds to 3", 2.6, 3, false, {"XAsDate", "MinX"}},
        {"text number", "-7.5", -8, false, {"XAsDate", "MinX"}},
        {"date value", Variant::fromDate(day), static_cast<float>(day), true, {"XAsDate", "MinX"}},
        {"date text", "31/03/1999", static_cast<float>(day), true, {"XAsDate", "MinX"}},
        {"digits only are a number", "19990331", 19990331.0f, false, {"XAsDate", "MinX"}},
        {"words are ignored", "abc", 0, false, {}},
        {"empty text is ignored", "", 0, false, {}},
        {"not a number is ignored", std::nan(""), 0, false, {}},
        {"infinity is ignored", HUGE_VAL, 0, false, {}},
        {"date outside the calendar is ignored", Variant::fromDate(1e9), 0, false, {}},
    };
    for (const auto& c : cases) {
        ChartRig rig;
        rig.control.setMinX(c.value);
        EXPECT_EQ(rig.control.MinX().toDouble(), c.expected) << c.name;
        EXPECT_EQ(rig.control.XAsDate(), c.asDate) << c.name;
        EXPECT_EQ(rig.host.notified, c.notified) << c.name;
    }
    ChartRig dated;
    dated.control.setXAsDate(true);
    dated.control.setMaxX(5);
    EXPECT_FALSE(dated.control.XAsDate()) << "a number makes a date axis numeric again";
}

TEST(Bounds, TooLargeForTheFieldIsAnOverflow) {
    ChartRig rig;
    EXPECT_EQ(ErrorOf([&] { rig.control.setMaxY(1e40); }), errors::Overflow);
    EXPECT_EQ(rig.control.MaxY().toDouble(), 100);
    rig.control.setMaxY(1e30);
    EXPECT_FLOAT_EQ(static_cast<float>(rig.control.MaxY().toDouble()), 1e30f);
}

TEST(Bounds, DateAxisDefaultsBecomeThisYear) {
    ChartRig rig;
    rig.control.setXAsDate(true);
    EXPECT_EQ(rig.control.MinX().toDouble(), DayNumberFromCivil(2026, 1, 1));
    EXPECT_EQ(rig.control.MaxX().toDouble(), DayNumberFromCivil(2026, 12, 31));
    EXPECT_EQ(rig.host.notified, (std::vector<std::string>{"MinX", "MaxX", "XAsDate"}));
    rig.control.setXAsDate(false);
    EXPECT_EQ(rig.control.MinX().toDouble(), DayNumberFromCivil(2026, 1, 1)) << "switching back keeps the days";

    ChartRig reading;
    reading.control.setYAsDate(true);
    reading.control.setMinY(0);
    reading.control.setYAsDate(true);
    reading.control.setMinY(5);
    reading.control.setYAsDate(true);
    EXPECT_EQ(reading.control.MinY().toDouble(), 5) << "only the default 0 is replaced";
}

TEST(Bounds, DateAxisOutsideChartModeIsRefused) {
    Rig rig;
    rig.start();
    rig.control.setMinX(5);
    std::string text;
    EXPECT_EQ(ErrorOf([&] { rig.control.setXAsDate(true); }, &text), 1030);
    EXPECT_EQ(text, "Invalid setting if 'MapStyle' = 0");
    EXPECT_FALSE(rig.control.XAsDate());
    EXPECT_EQ(rig.control.MinX().toDouble(), 0);
    EXPECT_EQ(rig.control.UnitX(), 10);

    rig.host.userMode = false;
    rig.control.setYAsDate(true);
    ASSERT_EQ(rig.prompts.calls.size(), 1u);
    EXPECT_EQ(rig.prompts.calls[0].style, 16);
    EXPECT_FALSE(rig.control.YAsDate());
}

TEST(Margins, CorrectedIntoHalfTheSurface) {
    ChartRig rig;
    rig.surface.width = 3001;
    rig.surface.height = 2000;
    const struct {
        std::function<void(float)> set;
        std::function<float()> get;
        float value, expected;
    } cases[] = {
        {[&](float v) { rig.control.setLeftScale(v); }, [&] { return rig.control.LeftScale(); }, -5, 0},
        {[&](float v) { rig.control.setLeftScale(v); }, [&] { return rig.control.LeftScale(); }, 2000, 1500},
        {[&](float v) { rig.control.setRightScale(v); }, [&] { return rig.control.RightScale(); }, 700.5f, 700.5f},
        {[&](float v) { rig.control.setTopScale(v); }, [&] { return rig.control.TopScale(); }, 5000, 1000},
        {[&](float v) { rig.control.setBottomScale(v); }, [&] { return rig.control.BottomScale(); }, 0, 0},
    };
    for (const auto& c : cases) {
        c.set(c.value);
        EXPECT_EQ(c.get(), c.expected) << c.value;
    }
    rig.control.setUnitX(0);
    rig.control.setUnitY(-4);
    EXPECT_EQ(rig.control.UnitX(), 1);
    EXPECT_EQ(rig.control.UnitY(), 1);
}

TEST(Mode, SwitchingToChartDrawsTheScaleAndBackToMapClears) {
    Rig rig;
    rig.start();
    rig.control.setMapStyle(enMapStyle::ScaleSystem);
    EXPECT_FALSE(rig.surface.opsOf("Line").empty()) << "the scale is drawn";
    rig.surface.ops.clear();
    rig.control.setMapStyle(enMapStyle::Map);
    EXPECT_EQ(rig.surface.opsOf("Cls").size(), 1u);
    EXPECT_EQ(rig.host.notified.back(), "MapStyle");

    rig.control.setEnableMenu(false);
    rig.surface.ops.clear();
    rig.control.setMapStyle(enMapStyle::ScaleSystem);
    EXPECT_TRUE(rig.surface.ops.empty()) << "without menus the mode change leaves the scale alone";

    rig.control.setEnableMenu(true);
    rig.control.setMinX(10);
    rig.control.setMaxX(5);
    rig.control.setMapStyle(enMapStyle::ScaleSystem);
    EXPECT_TRUE(rig.prompts.calls.empty()) << "an error with a text shows no message";
    EXPECT_EQ(rig.control.ControlError(), "The property value of MinX is greater than MaxX");

    Rig design;
    design.start();
    design.control.setMapStyle(enMapStyle::ScaleSystem);
    design.control.setXAsDate(true);
    design.host.userMode = false;
    design.control.setMapStyle(enMapStyle::Map);
    EXPECT_FALSE(design.control.XAsDate());
    EXPECT_EQ(design.control.MaxX().toDouble(), 100);
}

}  // namespace
}  // namespace tesmo::test
