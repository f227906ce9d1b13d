// The scale: the mapping, the step choice and the tick labels each on its own, then
// SetScaleUnit on recording fakes, what it draws where and how a run ends.
#include <gtest/gtest.h>

#include <algorithm>

#include "Rigs.h"
#include "core/ControlState.h"
#include "menus/Menus.h"
#include "scale/Mapping.h"
#include "scale/ScaleBuilder.h"
#include "scale/StepChoice.h"
#include "scale/TickLabels.h"
#include "support/DayNumber.h"
#include "support/SharedValues.h"
#include "tesmo/Error.h"

namespace tesmo::test {
namespace {

struct Bounds {
    float minX, maxX, minY, maxY;
    bool margins = true;
};

void Apply(ControlState& s, const Bounds& b) {
    s.MinX = b.minX;
    s.MaxX = b.maxX;
    s.MinY = b.minY;
    s.MaxY = b.maxY;
    if (!b.margins) s.LeftScale = s.RightScale = s.TopScale = s.BottomScale = 0;
}

TEST(Mapping, BoundsLandOnTheMarginsAndTheInverseGoesBack) {
    const struct {
        const char* name;
        Bounds bounds;
        float width, height;
    } cases[] = {
        {"negative bounds", {-50, 50, -10, 30}, 3000, 2000},
        {"no margins", {0, 10, 0, 10, false}, 1500, 1500},
    };
    for (const auto& c : cases) {
        ControlState s;
        Apply(s, c.bounds);
        ComputeMapping(s, c.width, c.height);
        const MappingRecord& m = s.Mapping;
        EXPECT_NEAR(m.toSurfaceX(s.MinX), s.LeftScale, 1e-3) << c.name;
        EXPECT_NEAR(m.toSurfaceX(s.MaxX), c.width - s.RightScale, 0.05) << c.name;
        EXPECT_NEAR(m.toSurfaceY(s.MinY), c.height - s.BottomScale, 1e-3) << c.name;
        EXPECT_NEAR(m.toSurfaceY(s.MaxY), s.TopScale, 0.05) << c.name;
        for (double sx : {0.0, 123.0, 4567.0}) EXPECT_NEAR(m.toSurfaceX(m.toWorldX(sx)), sx, 1e-6) << c.name;
        for (double sy : {0.0, 999.0}) EXPECT_NEAR(m.toSurfaceY(m.toWorldY(sy)), sy, 1e-6) << c.name;
    }
}

TEST(Mapping, EdgeRanges) {
    ControlState equal;
    Apply(equal, {5, 5, 0, 100});
    ComputeMapping(equal, 9570, 6170);
    EXPECT_EQ(equal.Mapping.RangeX, 1);

    ControlState noRight;
    noRight.RightScale = 0;
    ComputeMapping(noRight, 9570, 6170);
    EXPECT_EQ(noRight.Mapping.PlotRight, 9570 - noRight.PixelX) << "one pixel inside the surface";
    EXPECT_FLOAT_EQ(noRight.Mapping.FactorX, (9570 - 480) / 100.0f);

    const struct {
        Bounds bounds;
        int number;
        const char* text;
    } failures[] = {
        {{10, 5, 0, 1}, 1028, "The property value of MinX is greater than MaxX"},
        {{0, 1, 10, 5}, 1029, "The property value of MinY is greater than MaxY"},
    };
    for (const auto& f : failures) {
        ControlState s;
        Apply(s, f.bounds);
        std::string text;
        EXPECT_EQ(ErrorOf([&] { ComputeMapping(s, 100, 100); }, &text), f.number);
        EXPECT_EQ(text, f.text);
        ComputeMappingLenient(s, 100, 100);
        EXPECT_EQ(s.Mapping.RangeX * s.Mapping.RangeY, std::max(s.MaxX - s.MinX, 1.0f) * std::max(s.MaxY - s.MinY, 1.0f));
    }
}

TEST(StepChoice, ExplicitAutomaticAndDateSteps) {
    const float jan1 = static_cast<float>(DayNumberFromCivil(2024, 1, 1));
    const float dec31 = static_cast<float>(DayNumberFromCivil(2024, 12, 31));
    const struct {
        const char* name;
        AxisSpec axis;
        float world, surface;
        std::optional<std::int32_t> unit;
        bool asDate, tooSmall;
    } cases[] = {
        {"explicit", {10, 86.1f, 15, 100, false, 0, 100, 8610}, 10, 861, std::nullopt, false, false},
        {"explicit below a pixel widens to one", {1, 0.5f, 15, 10000, false, 0, 10000, 5000}, 30, 15, std::nullopt,
         false, false},
        {"automatic numeric", {0, 86.1f, 15, 100, false, 0, 100, 8610}, 10, 861, 10, false, false},
        {"automatic small range leaves the unit at 0", {0, 1722, 15, 5, false, 0, 5, 8610}, 0.5f, 861, 0, false,
         false},
        {"automatic date stretched to equal parts", {0, 8610 / (dec31 - jan1), 15, dec31 - jan1, true, jan1, dec31, 8610},
         8610.0f / 4 / (8610 / (dec31 - jan1)), 8610.0f / 4, 90, true, false},
        {"automatic date below a pixel", {0, 0.1f, 15, 3650000, true, jan1, jan1 + 1000, 365}, 90, 9, 90, true, true},
        {"dates outside the calendar become numbers", {0, 1, 15, 1e9f, true, 0, 1e9f, 8610}, 90, 90, 90, false,
         false},
    };
    for (const auto& c : cases) {
        const AxisStep step = ChooseStep(c.axis);
        EXPECT_NEAR(step.world, c.world, 1e-3 * std::max(1.0f, c.world)) << c.name;
        EXPECT_NEAR(step.surface, c.surface, 1e-2) << c.name;
        EXPECT_EQ(step.newUnit, c.unit) << c.name;
        EXPECT_EQ(step.asDate, c.asDate) << c.name;
        EXPECT_EQ(step.tooSmall, c.tooSmall) << c.name;
    }
}

TEST(TickLabels, Texts) {
    SharedValues point;
    SharedValues comma;
    comma.DecimalSeparator = ",";
    comma.GroupSeparator = ".";
    const float day = static_cast<float>(DayNumberFromCivil(1999, 3, 31));
    const struct {
        float value;
        bool asDate;
        const char* shortFormat;
        const SharedValues* shared;
        const char* expected;
    } cases[] = {
        {0.5f, false, "dd/mm/yy", &comma, "0,5"},    {1250, false, "dd/mm/yy", &point, "1,250"},
        {day, true, "dd/mm/yy", &point, "31/03/99"}, {day, true, "mm/dd/yy", &point, "03/31/99"},
        {day + 0.7f, true, "yy/mm/dd", &point, "99/03/31"},
    };
    for (const auto& c : cases) {
        SharedValues shared = *c.shared;
        shared.ShortDateFormat = c.shortFormat;
        EXPECT_EQ(TickLabel(c.value, c.asDate, shared), c.expected) << c.expected;
    }
}

TEST(TickLabels, ZeroLines) {
    const struct {
        const char* label;
        bool asDate;
        const char* decimal;
        bool zero;
    } cases[] = {
        {"0", false, ".", true},        {"0.5", false, ".", false},   {"0,5", false, ",", false},
        {"1,000", false, ".", false},   {"00/01/01", true, ".", false},
    };
    for (const auto& c : cases) EXPECT_EQ(LabelIsZero(c.label, c.asDate, c.decimal), c.zero) << c.label;
}

TEST(TickLabels, PositionsKeepLabelsInsideTheSurface) {
    const LabelPlacement p{9570, 6170, 15, 15};
    const struct {
        const char* name;
        float got, expected;
    } cases[] = {
        {"bottom centred", BottomLabelX(p, 1000, 300), 850},
        {"bottom past the left edge", BottomLabelX(p, 100, 300), 15},
        {"bottom past the right edge", BottomLabelX(p, 9400, 300), 9270},
        {"top past the right edge", TopLabelX(p, 9400, 300), 9240},
        {"bottom four pixels below the axis", BottomLabelY(p, 240, 200), 6170 - 240 + 60},
        {"bottom without margin", BottomLabelY(p, 0, 200), 5970},
        {"top four pixels above", TopLabelY(p, 500, 200), 240},
        {"top without room", TopLabelY(p, 240, 200), 0},
        {"left right-aligned", LeftLabelX(p, 480, 200), 250},
        {"left without room", LeftLabelX(p, 100, 200), 15},
        {"right beside the frame", RightLabelX(p, 480, 200), 9120},
        {"right crossing the edge", RightLabelX(p, 100, 200), 9340},
        {"right without margin", RightLabelX(p, 0, 200), 9340},
        {"side centred", SideLabelY(p, 1000, 200), 900},
        {"side above the top", SideLabelY(p, 50, 200), 0},
        {"side below the bottom", SideLabelY(p, 6100, 200), 5970},
    };
    for (const auto& c : cases) EXPECT_FLOAT_EQ(c.got, c.expected) << c.name;
}

TEST(SetScaleUnit, NumericTicksAndLabels) {
    // The host may draw, or set a colour, between two ticks: the scale keeps its own pen.
    for (const bool hostDrawsMeanwhile : {false, true}) {
        ChartRig rig;
        rig.control.setGridColor(0x00AA00);
        rig.control.setUnitX(10);
        rig.control.setUnitY(25);
        if (hostDrawsMeanwhile)
            rig.ui.onYield = [&] {
                rig.ui.onYield = nullptr;
                rig.control.setDrawWidth(3);
                rig.control.setForeColor(0x0000FF);
            };
        ASSERT_TRUE(rig.control.SetScaleUnit());
        EXPECT_TRUE(rig.surface.visible);
        EXPECT_EQ(rig.surface.visibilityChanges, 2) << "drawn hidden, shown whole";
        std::vector<std::string> texts;
        for (const auto& op : rig.surface.opsOf("Print")) texts.push_back(op.text);
        for (const char* label : {"0", "10", "50", "100", "25", "75"})
            EXPECT_NE(std::find(texts.begin(), texts.end(), label), texts.end()) << label;
        for (const char* kind : {"Line", "Print"})
            for (const auto& op : rig.surface.opsOf(kind)) {
                EXPECT_EQ(op.color, 0x00AA00) << kind << ": the scale in GridColor";
                EXPECT_TRUE(op.kind != "Line" || op.width == 1) << "scale lines one pixel wide";
            }
        EXPECT_EQ(rig.surface.foreColor, rig.control.ForeColor()) << "surface restored";
    }
}

TEST(SetScaleUnit, GridAndZeroLines) {
    const struct {
        const char* name;
        float minX, maxX;
        bool grid;
        std::size_t verticals;
    } cases[] = {
        {"ticks only, zero inside", -50, 50, false, 1},
        {"ticks only, no zero", 10, 110, false, 0},
        {"grid line at every inner tick", -50, 50, true, 9},
    };
    for (const auto& c : cases) {
        ChartRig rig;
        rig.control.setMinX(c.minX);
        rig.control.setMaxX(c.maxX);
        rig.control.setViewGrid(c.grid);
        ASSERT_TRUE(rig.control.SetScaleUnit()) << c.name;
        // Full-height vertical lines inside the plot, other than the frame.
        const float left = rig.control.LeftScale(), right = 9570 - rig.control.RightScale();
        const float top = rig.control.TopScale(), bottom = 6170 - rig.control.BottomScale();
        const auto verticals = std::count_if(rig.surface.ops.begin(), rig.surface.ops.end(), [&](const SurfaceOp& op) {
            return op.kind == "Line" && op.x1 == op.x2 && op.x1 > left + 1 && op.x1 < right - 1 &&
                   std::min(op.y1, op.y2) == top && std::max(op.y1, op.y2) == bottom;
        });
        EXPECT_EQ(static_cast<std::size_t>(verticals), c.verticals) << c.name;
    }
}

TEST(SetScaleUnit, OverlappingLabelsAreSkipped) {
    ChartRig rig;
    rig.control.setMaxX(100000);
    rig.control.setUnitX(1000);  // 101 ticks, labels up to 700 twips wide, 85 twips apart
    rig.control.setMaxY(1000);
    rig.control.setUnitY(1);     // ticks one pixel apart
    ASSERT_TRUE(rig.control.SetScaleUnit());
    float lastRight = 0;
    std::size_t bottomLabels = 0;
    for (const auto& op : rig.surface.opsOf("Print")) {
        if (op.y1 != 6170 - 240 + 60) continue;
        EXPECT_GT(op.x1, lastRight - 1000) << op.text;
        ++bottomLabels;
        lastRight = op.x1 + 100.0f * op.text.size();
    }
    EXPECT_GT(bottomLabels, 3u);
    EXPECT_LT(bottomLabels, 30u);
    const auto prints = rig.surface.opsOf("Print");
    EXPECT_LT(std::count_if(prints.begin(), prints.end(), [](const SurfaceOp& op) { return op.text.size() <= 4; }),
              200)
        << "Y labels one pixel apart mostly skipped";
}

TEST(SetScaleUnit, DateAxis) {
    ChartRig rig;
    rig.clock.today = DayNumberFromCivil(2024, 5, 5);
    rig.control.setXAsDate(true);  // 1 January to 31 December 2024
    rig.control.setUnitX(30);
    ASSERT_TRUE(rig.control.SetScaleUnit());
    std::vector<std::string> xLabels;
    for (const auto& op : rig.surface.opsOf("Print"))
        if (op.y1 == 6170 - 240 + 60) xLabels.push_back(op.text);
    ASSERT_FALSE(xLabels.empty());
    EXPECT_EQ(xLabels.front(), "01/01/24");
    EXPECT_EQ(xLabels.back(), "31/12/24") << "date ticks divide the plot width into equal parts";
    for (const auto& t : xLabels) EXPECT_TRUE(t.size() == 8 && t[2] == '/' && t.ends_with("/24")) << t;

    ChartRig outside;
    outside.control.setMaxX(5e6);
    outside.control.setXAsDate(true);  // no day that far: the axis becomes numeric
    ASSERT_TRUE(outside.control.SetScaleUnit());
    EXPECT_FALSE(outside.control.XAsDate());
}

TEST(SetScaleUnit, AnAutomaticUnitIsWrittenBack) {
    // A unit of 0 only comes from stored settings, so the builder is driven on its own state.
    FakePorts fakes;
    ControlState s;
    RecordingCommands target;
    Menus menus(s, fakes.windows, target);
    ScaleBuilder scale(s, fakes.ports, menus, [] {});
    s.MapStyle = 1;
    s.UnitX = 0;
    s.UnitY = 0;
    s.MaxY = 50;
    ASSERT_TRUE(scale.SetScaleUnit());
    EXPECT_EQ(s.UnitX, 10);
    EXPECT_EQ(s.UnitY, 5);
}

// Every run ends, in a few yields, with the surface shown again.
TEST(SetScaleUnit, EveryRunEnds) {
    const struct {
        const char* name;
        void (*prepare)(ChartRig&);
        bool done;
        const char* error;
        int yields;  // at most
    } cases[] = {
        {"in map mode: refused",
         [](ChartRig& r) {
             r.control.setMapStyle(enMapStyle::Map);
             r.surface.visible = false;
         },
         false, "Invalid method if 'MapStyle' = 0", 0},
        {"a stop requested at the third tick: ends after it",
         [](ChartRig& r) {
             r.ui.onYield = [&r] {
                 if (r.ui.yields == 3) r.control.setFlagExit(true);
             };
         },
         false, "", 3},
        {"huge equal bounds",
         [](ChartRig& r) {
             r.control.setMinX(1e30);
             r.control.setMaxX(1e30);
         },
         true, "", 99},
        {"margins wider than the surface",
         [](ChartRig& r) {
             r.surface.width = 400;
             r.surface.height = 300;
             r.control.setLeftScale(5000);
             r.control.setRightScale(5000);
         },
         true, "", 99},
    };
    for (const auto& c : cases) {
        ChartRig rig;
        c.prepare(rig);
        rig.ui.yields = 0;
        EXPECT_EQ(rig.control.SetScaleUnit(), c.done) << c.name;
        EXPECT_EQ(rig.control.ControlError(), c.error) << c.name;
        EXPECT_LE(rig.ui.yields, c.yields) << c.name;
        EXPECT_TRUE(rig.surface.visible) << c.name;
    }
}

}  // namespace
}  // namespace tesmo::test
