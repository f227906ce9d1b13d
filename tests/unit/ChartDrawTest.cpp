// Draw and the host's direct drawing operations.
#include <gtest/gtest.h>

#include "fakes/Fakes.h"
#include "support/DayNumber.h"
#include "tesmo/Error.h"

namespace tesmo::test {
namespace {

struct DrawRig : Rig {
    DrawRig() {
        start();
        control.setMapStyle(enMapStyle::ScaleSystem);
        surface.ops.clear();
    }
};

int DrawError(Rig& rig, std::string* description = nullptr) {
    return ErrorOf([&] { rig.control.Draw(); }, description);
}

TEST(Draw, ErrorsOfPointsThatCannotBeDrawn) {
    DrawRig one;
    one.control.Point_Add(1, 1);
    std::string text;
    EXPECT_EQ(DrawError(one, &text), 1033);
    EXPECT_EQ(text, "Need more points to execute the Track drawing.");

    Rig map;
    map.start();
    EXPECT_EQ(DrawError(map), 1033) << "no point in map mode";

    DrawRig inverted;
    inverted.control.Point_Add(1, 1);
    inverted.control.Point_Add(2, 2);
    inverted.control.setMinX(50);
    inverted.control.setMaxX(10);
    EXPECT_EQ(DrawError(inverted, &text), 1023);
    EXPECT_EQ(text, "The property value of MinX is greater than MaxX");
}

TEST(Draw, MapsThePointsThroughTheChart) {
    DrawRig rig;
    rig.control.Point_Add(0, 0);
    rig.control.Point_Add(100, 100);
    ASSERT_TRUE(rig.control.Draw());
    const auto lines = rig.surface.opsOf("Line");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_FLOAT_EQ(lines[0].x1, 480);
    EXPECT_FLOAT_EQ(lines[0].y1, 6170 - 240);
    EXPECT_NEAR(lines[0].x2, 9570 - 480, 0.01);
    EXPECT_NEAR(lines[0].y2, 240, 0.01);
    EXPECT_EQ(lines[0].color, rig.control.ForeColor());
}

TEST(Draw, ADatePointTurnsTheAxisToDates) {
    DrawRig rig;
    const double day = DayNumberFromCivil(2024, 1, 1);
    rig.control.setMinX(Variant::fromDate(day));
    rig.control.setMaxX(Variant::fromDate(day + 30));
    rig.control.setXAsDate(false);
    rig.control.Point_Add(Variant::fromDate(day + 1), 5);
    rig.control.Point_Add("15/01/2024", 6);
    ASSERT_TRUE(rig.control.Draw());
    EXPECT_TRUE(rig.control.XAsDate());
}

TEST(Draw, CancelledDisabledOrShutDownDrawsNothing) {
    DrawRig rig;
    rig.control.Point_Add(1, 1);
    rig.control.Point_Add(2, 2);
    rig.events.cancel = [] { return true; };
    EXPECT_FALSE(rig.control.Draw());
    EXPECT_TRUE(rig.surface.ops.empty());

    rig.events.cancel = [] { return false; };
    rig.host.enabled = false;
    EXPECT_FALSE(rig.control.Draw());
    EXPECT_EQ(rig.events.raised.size(), 1u) << "a disabled control raises nothing";

    rig.host.enabled = true;
    rig.events.cancel = [&] {
        rig.container().Terminate();
        return false;
    };
    EXPECT_FALSE(rig.control.Draw());
    EXPECT_TRUE(rig.surface.opsOf("Line").empty());
}

TEST(DirectDrawing, LinesInSurfaceUnitsTextInTextColorAndClear) {
    DrawRig rig;
    rig.control.setMinX(-1000);
    rig.control.DrawLine(0, 0, 1000, 1000);
    auto lines = rig.surface.opsOf("Line");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].x2, 1000) << "no mapping applied";

    rig.control.setTextColor(0x123456);
    rig.surface.currentX = 100;
    rig.control.PrintText("note");
    const auto prints = rig.surface.opsOf("Print");
    ASSERT_EQ(prints.size(), 1u);
    EXPECT_EQ(prints[0].color, 0x123456);
    EXPECT_EQ(rig.surface.currentX, 100 + rig.surface.TextWidth("note")) << "position after the text";
    EXPECT_EQ(rig.surface.foreColor, rig.control.ForeColor());

    rig.control.Point_Add(1, 1);
    rig.surface.ops.clear();
    rig.control.Clear();
    EXPECT_EQ(rig.surface.ops.front().kind, "Cls");
    EXPECT_GT(rig.surface.opsOf("Line").size(), 4u) << "the scale is drawn again";
    EXPECT_EQ(rig.control.Point_Count(), 1) << "points stay";

    rig.control.setFlagExit(true);
    rig.surface.ops.clear();
    rig.control.DrawLine(0, 0, 1, 1);
    rig.control.PrintText("x");
    EXPECT_TRUE(rig.surface.ops.empty()) << "nothing is drawn while a stop is requested";
}

}  // namespace
}  // namespace tesmo::test
