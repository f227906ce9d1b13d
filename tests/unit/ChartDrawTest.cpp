// Draw and the host's direct drawing operations.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "fakes/Fakes.h"
#include "support/DayNumber.h"
#include "support/SharedValues.h"
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

// Drawn again after changes, a chart comes out as a control drawing it for the first time
// draws it: what an earlier drawing mapped is kept only while it still holds.
using DrawnAgain = SharedValuesTest;
TEST_F(DrawnAgain, AsIfDrawnForTheFirstTime) {
    using Step = std::function<void(DrawRig&)>;
    const struct {
        const char* name;
        std::vector<Step> steps;  // drawn after each
    } cases[] = {
        {"points added", {[](DrawRig& r) { r.control.Point_Add(50, 20); }, [](DrawRig& r) { r.control.Point_Add(60, 90); }}},
        {"a bound changed", {[](DrawRig& r) { r.control.setMaxX(200); }}},
        {"cleared and filled again",
         {[](DrawRig& r) {
             r.control.Point_Clear();
             r.control.Point_Add(0, 100);
             r.control.Point_Add(100, 0);
         }}},
        {"a text point, then a decimal comma",
         {[](DrawRig& r) { r.control.Point_Add("50.5", 20); },
          [](DrawRig&) {
              Shared().DecimalSeparator = ",";
              Shared().GroupSeparator = ".";
          }}},
        {"a text point no longer read, then taken away",
         {[](DrawRig& r) { r.control.Point_Add("50.5", 20); },
          [](DrawRig&) {
              Shared().DecimalSeparator = ",";
              Shared().GroupSeparator = ".";
          },
          [](DrawRig& r) {
              r.control.Point_Clear();
              r.control.Point_Add(0, 0);
              r.control.Point_Add(100, 100);
          }}},
    };
    const SharedValues initial = Shared();
    const auto outcome = [](DrawRig& rig) {
        rig.surface.ops.clear();
        std::string result = std::to_string(DrawError(rig));
        for (const SurfaceOp& l : rig.surface.opsOf("Line"))
            result += " " + std::to_string(l.x1) + "," + std::to_string(l.y1) + "," + std::to_string(l.x2) + "," +
                      std::to_string(l.y2);
        return result;
    };
    for (const auto& c : cases) {
        Shared() = initial;
        DrawRig again;
        again.control.Point_Add(0, 0);
        again.control.Point_Add(100, 100);
        outcome(again);
        for (const Step& step : c.steps) {
            step(again);
            outcome(again);
        }
        const std::string drawnAgain = outcome(again);
        Shared() = initial;
        DrawRig fresh;
        fresh.control.Point_Add(0, 0);
        fresh.control.Point_Add(100, 100);
        for (const Step& step : c.steps) step(fresh);
        EXPECT_EQ(drawnAgain, outcome(fresh)) << c.name;
    }

    // A drawing under way goes on as it began when a Draw from one of its yields fails.
    const auto path = [](DrawRig& rig) {
        std::string lines;
        for (const SurfaceOp& l : rig.surface.opsOf("Line"))
            if (l.color == rig.control.ForeColor()) lines += " " + std::to_string(l.x1) + "," + std::to_string(l.x2);
        return lines;
    };
    Shared() = initial;
    DrawRig plain, outer;
    for (DrawRig* rig : {&plain, &outer})
        for (int i = 0; i <= 10; ++i) rig->control.Point_Add(i * 10, i * 10);
    ASSERT_TRUE(plain.control.Draw());
    int yields = 0;
    outer.ui.onYield = [&] {
        if (++yields != 2) return;
        outer.control.Point_Add("50.5", 20);
        Shared().DecimalSeparator = ",";
        Shared().GroupSeparator = " ";
        outer.control.setMaxX(200);
        EXPECT_NE(ErrorOf([&] { outer.control.Draw(); }), 0);
    };
    outer.control.Draw();
    EXPECT_EQ(path(outer), path(plain));
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
