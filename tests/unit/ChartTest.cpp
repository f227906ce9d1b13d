// The chart: its bound, margin, unit, date-axis and mode settings, Draw and the animated
// polyline it draws, and the host's direct drawing operations.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "Rigs.h"
#include "core/ControlState.h"
#include "support/DayNumber.h"
#include "support/SharedValues.h"
#include "tesmo/Error.h"
#include "tracks/clsInterpol.h"

namespace tesmo::test {
namespace {

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
        {"not a number is ignored", std::nan(""), 0, false, {}},
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

TEST(Bounds, DateAxisDefaultsBecomeThisYear) {
    ChartRig rig;
    rig.clock.today = DayNumberFromCivil(2026, 12, 6) + 0.5;
    rig.control.setXAsDate(true);
    EXPECT_EQ(rig.control.MinX().toDouble(), DayNumberFromCivil(2026, 1, 1));
    EXPECT_EQ(rig.control.MaxX().toDouble(), DayNumberFromCivil(2026, 12, 31));
    EXPECT_EQ(rig.host.notified, (std::vector<std::string>{"MinX", "MaxX", "XAsDate"}));
    rig.control.setXAsDate(false);
    EXPECT_EQ(rig.control.MinX().toDouble(), DayNumberFromCivil(2026, 1, 1)) << "switching back keeps the days";

    ChartRig bounded;
    bounded.control.setMinY(5);
    bounded.control.setYAsDate(true);
    EXPECT_EQ(bounded.control.MinY().toDouble(), 5) << "only the default 0 is replaced";
}

TEST(Bounds, DateAxisOutsideChartModeIsRefused) {
    MapRig rig;
    rig.control.setMinX(5);
    std::string text;
    EXPECT_EQ(ErrorOf([&] { rig.control.setXAsDate(true); }, &text), 1030);
    EXPECT_EQ(text, "Invalid setting if 'MapStyle' = 0");
    EXPECT_FALSE(rig.control.XAsDate());
    EXPECT_EQ(rig.control.MinX().toDouble(), 0) << "the axis is reset";

    rig.host.userMode = false;
    rig.control.setYAsDate(true);
    ASSERT_EQ(rig.prompts.calls.size(), 1u);
    EXPECT_EQ(rig.prompts.calls[0].style, 16);
    EXPECT_FALSE(rig.control.YAsDate());
}

// Each margin is limited by its own extent: half the width is 1500 twips, half the height 1000.
TEST(Margins, CorrectedIntoHalfTheSurface) {
    ChartRig rig;
    rig.surface.width = 3001;
    rig.surface.height = 2000;
    const struct {
        void (ucTesmo::*set)(float);
        float (ucTesmo::*get)() const;
        float value, expected;
    } cases[] = {
        {&ucTesmo::setLeftScale, &ucTesmo::LeftScale, -5, 0},
        {&ucTesmo::setLeftScale, &ucTesmo::LeftScale, 2000, 1500},
        {&ucTesmo::setRightScale, &ucTesmo::RightScale, 1200.5f, 1200.5f},
        {&ucTesmo::setTopScale, &ucTesmo::TopScale, 5000, 1000},
        {&ucTesmo::setBottomScale, &ucTesmo::BottomScale, 1200, 1000},
    };
    for (const auto& c : cases) {
        (rig.control.*c.set)(c.value);
        EXPECT_EQ((rig.control.*c.get)(), c.expected) << c.value;
    }
    rig.control.setUnitX(0);
    rig.control.setUnitY(-4);
    EXPECT_EQ(rig.control.UnitX(), 1);
    EXPECT_EQ(rig.control.UnitY(), 1);
}

TEST(Mode, SwitchingToChartDrawsTheScaleAndBackToMapClears) {
    MapRig rig;
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

    ChartRig design;
    design.control.setXAsDate(true);
    design.host.userMode = false;
    design.control.setMapStyle(enMapStyle::Map);
    EXPECT_FALSE(design.control.XAsDate());
    EXPECT_EQ(design.control.MaxX().toDouble(), 100);
}

int DrawError(Rig& rig, std::string* description = nullptr) {
    return ErrorOf([&] { rig.control.Draw(); }, description);
}

TEST(Draw, ErrorsOfPointsThatCannotBeDrawn) {
    ChartRig one;
    one.control.Point_Add(1, 1);
    std::string text;
    EXPECT_EQ(DrawError(one, &text), 1033);
    EXPECT_EQ(text, "Need more points to execute the Track drawing.");

    MapRig map;
    EXPECT_EQ(DrawError(map), 1033) << "no point in map mode";

    ChartRig inverted;
    inverted.control.Point_Add(1, 1);
    inverted.control.Point_Add(2, 2);
    inverted.control.setMinX(50);
    inverted.control.setMaxX(10);
    EXPECT_EQ(DrawError(inverted, &text), 1023);
    EXPECT_EQ(text, "The property value of MinX is greater than MaxX");
}

// Drawn again after changes, a chart comes out as a control drawing it for the first time
// draws it: what an earlier drawing mapped is kept only while it still holds.
using DrawnAgain = SharedValuesTest;
TEST_F(DrawnAgain, AsIfDrawnForTheFirstTime) {
    using Step = std::function<void(ChartRig&)>;
    const Step textPoint = [](ChartRig& r) { r.control.Point_Add("50.5", 20); };
    const Step decimalComma = [](ChartRig&) {
        Shared().DecimalSeparator = ",";
        Shared().GroupSeparator = ".";
    };
    const Step refill = [](ChartRig& r) {
        r.control.Point_Clear();
        r.control.Point_Add(0, 100);
        r.control.Point_Add(100, 0);
    };
    const struct {
        const char* name;
        std::vector<Step> steps;  // drawn after each
    } cases[] = {
        {"points added",
         {[](ChartRig& r) { r.control.Point_Add(50, 20); }, [](ChartRig& r) { r.control.Point_Add(60, 90); }}},
        {"a bound changed", {[](ChartRig& r) { r.control.setMaxX(200); }}},
        {"cleared and filled again", {refill}},
        {"a text point, then a decimal comma", {textPoint, decimalComma}},
        {"a text point no longer read, then taken away", {textPoint, decimalComma, refill}},
    };
    const SharedValues initial = Shared();
    const auto outcome = [](ChartRig& rig) {
        rig.surface.ops.clear();
        std::string result = std::to_string(DrawError(rig));
        for (const SurfaceOp& l : rig.surface.opsOf("Line"))
            result += " " + std::to_string(l.x1) + "," + std::to_string(l.y1) + "," + std::to_string(l.x2) + "," +
                      std::to_string(l.y2);
        return result;
    };
    for (const auto& c : cases) {
        Shared() = initial;
        ChartRig again;
        again.control.Point_Add(0, 0);
        again.control.Point_Add(100, 100);
        outcome(again);
        for (const Step& step : c.steps) {
            step(again);
            outcome(again);
        }
        const std::string drawnAgain = outcome(again);
        Shared() = initial;
        ChartRig fresh;
        fresh.control.Point_Add(0, 0);
        fresh.control.Point_Add(100, 100);
        for (const Step& step : c.steps) step(fresh);
        EXPECT_EQ(drawnAgain, outcome(fresh)) << c.name;
    }

    // A drawing under way goes on as it began when a Draw from one of its yields fails.
    const auto path = [](ChartRig& rig) {
        std::string lines;
        for (const SurfaceOp& l : rig.surface.opsOf("Line"))
            if (l.color == rig.control.ForeColor()) lines += " " + std::to_string(l.x1) + "," + std::to_string(l.x2);
        return lines;
    };
    Shared() = initial;
    ChartRig plain, outer;
    for (ChartRig* rig : {&plain, &outer})
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
    ChartRig rig;
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
    ChartRig rig;
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
    ChartRig rig;
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

TEST(Interpolazione, FitsTheLineThroughThePoints) {
    ControlState owner;
    FakeClock clock;
    FakeUiLoop ui(clock);
    const struct {
        std::vector<double> x, y;
        double slope, intercept, correlation;
    } cases[] = {
        {{0, 10}, {5, 25}, 2, 5, 1},
        {{3, 1}, {7, 7}, 0, 7, 0},             // horizontal
        {{4, 4}, {0, 90}, 0, 45, 0},           // vertical: no slope, the middle as intercept
        {{-2, 2}, {4, -4}, -2, 0, 1},
        {{0, 1, 2, 3}, {1, 3, 5, 7}, 2, 1, 1},
    };
    for (const auto& c : cases) {
        clsInterpol line(owner, ui);
        ASSERT_TRUE(line.Interpolazione(c.x, c.y));
        EXPECT_NEAR(line.CoefficienteAngolare(), c.slope, 1e-12);
        EXPECT_NEAR(line.TermineNoto(), c.intercept, 1e-12);
        EXPECT_NEAR(line.Correlazione(), c.correlation, 1e-12);
    }
    clsInterpol line(owner, ui);
    EXPECT_FALSE(line.Interpolazione(std::vector<double>{1, 2}, std::vector<double>{1}));
    EXPECT_EQ(line.ControlError(), "Coordinate number is wrong.");
    EXPECT_FALSE(line.Interpolazione({}, {}));
    EXPECT_EQ(line.ControlError(), "Division by zero");
    EXPECT_GT(ui.yields, 0) << "the sums yield";
}

// Draws a path given in chart values 0..100 (10 world units are ~861 twips across on the
// laid-out surface) and answers whether Draw succeeded.
bool DrawPath(ChartRig& rig, const std::vector<std::array<double, 2>>& points) {
    rig.control.Point_Clear();
    for (const auto& p : points) rig.control.Point_Add(p[0], p[1]);
    rig.surface.ops.clear();
    return rig.control.Draw();
}

// A segment is drawn BaseStep twips at a time, each step after a wait of Delay; without a
// delay or a step it is drawn whole.
TEST(DrawPath, StepsOfBaseStepOrWholeSegments) {
    const struct {
        const char* name;
        float width, step, delay;  // width 0: the default surface
        std::vector<std::array<double, 2>> path;
        std::size_t lines;
        float lastX, lastY, tolerance;
    } cases[] = {
        {"horizontal, 300 twips in steps of 30", 300 * 10 + 960, 30, 50, {{0, 50}, {10, 50}}, 10, 480 + 300,
         6170 - 240 - 50 * 56.9f, 0.01f},
        {"vertical, 5690 twips in steps of 100", 0, 100, 1, {{50, 0}, {50, 100}}, 57, 480 + 50 * 86.1f, 240, 0.01f},
        {"steep, driven by X: 861 twips in steps of 100", 0, 100, 1, {{0, 0}, {10, 100}}, 9, 480 + 861, 240, 1},
        {"no delay", 0, 30, 0, {{0, 0}, {100, 100}, {100, 0}}, 2, 9570 - 480, 6170 - 240, 0.01f},
        {"no step", 0, 0, 20, {{0, 0}, {100, 100}, {100, 0}}, 2, 9570 - 480, 6170 - 240, 0.01f},
    };
    for (const auto& c : cases) {
        ChartRig rig(c.width);
        rig.control.setBaseStep(c.step);
        rig.control.setDelay(c.delay);
        ASSERT_TRUE(DrawPath(rig, c.path)) << c.name;
        const auto lines = rig.surface.opsOf("Line");
        ASSERT_EQ(lines.size(), c.lines) << c.name;
        EXPECT_NEAR(lines.back().x2, c.lastX, c.tolerance) << c.name;
        EXPECT_NEAR(lines.back().y2, c.lastY, c.tolerance) << c.name;
        // Each step starts where the last ended, on the segment's straight line.
        const float sx = lines.front().x1, sy = lines.front().y1, ex = lines.back().x2, ey = lines.back().y2;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            EXPECT_EQ(lines[i].color, rig.control.ForeColor()) << c.name;
            const double gap = i > 0 ? std::hypot(lines[i].x1 - lines[i - 1].x2, lines[i].y1 - lines[i - 1].y2) : 0;
            EXPECT_NEAR(gap, 0, 0.01) << c.name << i;
            const double off = (lines[i].x2 - sx) * (ey - sy) - (lines[i].y2 - sy) * (ex - sx);
            EXPECT_NEAR(c.path.size() == 2 ? off / std::hypot(ex - sx, ey - sy) : 0, 0, c.tolerance) << c.name << i;
        }
        const std::size_t steps = c.step > 0 && c.delay > 0 ? lines.size() : 0;
        EXPECT_EQ(rig.ui.waits, std::vector<double>(steps, c.delay)) << c.name;
        EXPECT_EQ(rig.events.raised, (std::vector<std::string>{"StartDrawing", "FinishDrawing"})) << c.name;
    }
}

TEST(DrawPath, PointMarkersAndTitle) {
    ChartRig rig;
    rig.control.setViewPoints(true);
    rig.control.setTitle("Sales");
    ASSERT_TRUE(DrawPath(rig, {{10, 10}, {20, 20}, {30, 10}}));
    const auto boxes = rig.surface.opsOf("Box");
    ASSERT_EQ(boxes.size(), 3u);
    for (const auto& b : boxes) {
        EXPECT_EQ(b.color, 255);
        EXPECT_EQ(b.x2 - b.x1, 30) << "one pixel around the point";
    }
    const auto prints = rig.surface.opsOf("Print");
    ASSERT_EQ(prints.size(), 1u);
    EXPECT_EQ(prints[0].text, "Sales");
}

TEST(DrawPath, StopRequestEndsAfterTheCurrentStep) {
    ChartRig rig;
    rig.control.setBaseStep(30);
    rig.control.setDelay(10);
    rig.ui.onYield = [&] {
        if (rig.surface.opsOf("Line").size() == 5) rig.control.setFlagExit(true);
    };
    EXPECT_TRUE(DrawPath(rig, {{0, 50}, {100, 50}})) << "a stop request counts as done";
    EXPECT_EQ(rig.surface.opsOf("Line").size(), 5u) << "stopped after the current step";
    EXPECT_EQ(std::count(rig.events.raised.begin(), rig.events.raised.end(), "FinishDrawing"), 0);
    EXPECT_EQ(rig.surface.opsOf("Cls").size(), 1u) << "a stop clears the surface";
}

TEST(DrawPath, FarFromTheOriginAStepBelowPrecisionStillEnds) {
    MapRig rig;
    rig.control.setBaseStep(0.5f);
    rig.control.setDelay(1);
    rig.control.Point_Add(1e9, 0);
    rig.control.Point_Add(1e9 + 4000, 0);
    EXPECT_TRUE(rig.control.Draw());
    EXPECT_LT(rig.surface.opsOf("Line").size(), 10u);
}

}  // namespace
}  // namespace tesmo::test
