// The animated polyline: steps, waits, pause and stop, through a fake user-interface loop.
#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "core/ControlState.h"
#include "fakes/Fakes.h"
#include "tracks/clsInterpol.h"

namespace tesmo::test {
namespace {

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
        {{0, 1, 2, 3}, {1, 3, 5, 7}, 2, 1, 1},
        {{-2, 2}, {4, -4}, -2, 0, 1},
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

struct PathRig : Rig {
    PathRig() {
        start();
        control.setMapStyle(enMapStyle::ScaleSystem);
        control.setMinY(0);
        control.setMaxY(100);
        surface.ops.clear();
    }
    // Draws a path given in chart values 0..100 (10 world units are ~861 twips across).
    bool draw(std::initializer_list<std::array<double, 2>> points) {
        control.Point_Clear();
        for (const auto& p : points) control.Point_Add(p[0], p[1]);
        surface.ops.clear();
        return control.Draw();
    }
    std::vector<SurfaceOp> lines() const { return surface.opsOf("Line"); }
};

TEST(DrawPath, StepsOfBaseStepWithADelayBeforeEach) {
    PathRig rig;
    rig.surface.width = 300 * 10 + 960;  // 10 world units = 300 twips
    rig.control.setBaseStep(30);
    rig.control.setDelay(50);
    ASSERT_TRUE(rig.draw({{0, 50}, {10, 50}}));
    const auto lines = rig.lines();
    ASSERT_EQ(lines.size(), 10u) << "300 units in steps of 30";
    for (const auto& l : lines) EXPECT_EQ(l.y1, l.y2) << "a horizontal segment keeps Y";
    EXPECT_FLOAT_EQ(lines.back().x2, 480 + 300);
    EXPECT_EQ(std::count(rig.ui.waits.begin(), rig.ui.waits.end(), 50.0), 10);
    EXPECT_EQ(rig.events.raised, (std::vector<std::string>{"StartDrawing", "FinishDrawing"}));
}

TEST(DrawPath, VerticalAndSteepSegments) {
    PathRig rig;
    rig.control.setBaseStep(100);
    rig.control.setDelay(1);
    ASSERT_TRUE(rig.draw({{50, 0}, {50, 100}}));
    const auto vertical = rig.lines();
    const float height = 6170 - 480;
    EXPECT_EQ(vertical.size(), static_cast<std::size_t>(std::ceil(height / 100)));
    for (const auto& l : vertical) EXPECT_EQ(l.x1, vertical[0].x1) << "stays on X1";
    EXPECT_NEAR(vertical.back().y2, 240, 0.01) << "ends on the last point";

    ASSERT_TRUE(rig.draw({{0, 0}, {10, 100}}));  // steep: driven by X, then Y finishes
    const auto steep = rig.lines();
    EXPECT_NEAR(steep.back().x2, 480 + 861, 1);
    EXPECT_NEAR(steep.back().y2, 240, 1);
}

TEST(DrawPath, NoDelayOrNoStepDrawsWholeSegments) {
    for (auto [step, delay] : {std::pair{30.0f, 0.0f}, std::pair{0.0f, 20.0f}}) {
        PathRig rig;
        rig.control.setBaseStep(step);
        rig.control.setDelay(delay);
        ASSERT_TRUE(rig.draw({{0, 0}, {50, 50}, {100, 0}}));
        EXPECT_EQ(rig.lines().size(), 2u);
        EXPECT_TRUE(rig.ui.waits.empty());
    }
}

TEST(DrawPath, PointMarkersAndTitle) {
    PathRig rig;
    rig.control.setViewPoints(true);
    rig.control.setTitle("Sales");
    ASSERT_TRUE(rig.draw({{10, 10}, {20, 20}, {30, 10}}));
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
    PathRig rig;
    rig.control.setBaseStep(30);
    rig.control.setDelay(10);
    rig.ui.onYield = [&] {
        if (rig.lines().size() == 5) rig.control.setFlagExit(true);
    };
    EXPECT_TRUE(rig.draw({{0, 50}, {100, 50}})) << "a stop request counts as done";
    EXPECT_EQ(rig.lines().size(), 5u) << "stopped after the current step";
    EXPECT_EQ(std::count(rig.events.raised.begin(), rig.events.raised.end(), "FinishDrawing"), 0);
    EXPECT_EQ(rig.surface.opsOf("Cls").size(), 1u) << "a stop clears the surface";
}

TEST(DrawPath, FarFromTheOriginAStepBelowPrecisionStillEnds) {
    PathRig rig;
    rig.control.setMapStyle(enMapStyle::Map);
    rig.control.setBaseStep(0.5f);
    rig.control.setDelay(1);
    rig.control.Point_Add(1e9, 0);
    rig.control.Point_Add(1e9 + 4000, 0);
    EXPECT_TRUE(rig.control.Draw());
    EXPECT_LT(rig.lines().size(), 10u);
}

}  // namespace
}  // namespace tesmo::test
