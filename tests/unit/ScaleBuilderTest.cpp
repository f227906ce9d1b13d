// SetScaleUnit on recording fakes: what is drawn where, and how a run ends.
#include <gtest/gtest.h>

#include <algorithm>

#include "core/ControlState.h"
#include "fakes/Fakes.h"
#include "menus/Menus.h"
#include "scale/ScaleBuilder.h"
#include "support/DayNumber.h"
#include "support/SharedValues.h"

namespace tesmo::test {
namespace {

struct ScaleRig : Rig {
    ScaleRig() {
        start();
        control.setMapStyle(enMapStyle::ScaleSystem);
        control.setGridColor(0x00AA00);
        surface.ops.clear();
        surface.visibilityChanges = 0;
    }
    std::vector<std::string> printed() const {
        std::vector<std::string> texts;
        for (const auto& op : surface.opsOf("Print")) texts.push_back(op.text);
        return texts;
    }
    // Full-height vertical lines inside the plot, other than the frame.
    std::size_t fullVerticals() const {
        const MappingRecordView m{control};
        return std::count_if(surface.ops.begin(), surface.ops.end(), [&](const SurfaceOp& op) {
            return op.kind == "Line" && op.x1 == op.x2 && op.x1 > m.left + 1 && op.x1 < m.right - 1 &&
                   std::min(op.y1, op.y2) == m.top && std::max(op.y1, op.y2) == m.bottom;
        });
    }
    struct MappingRecordView {
        explicit MappingRecordView(const ucTesmo& c)
            : left(c.LeftScale()), right(9570 - c.RightScale()), top(c.TopScale()), bottom(6170 - c.BottomScale()) {}
        float left, right, top, bottom;
    };
};

TEST(SetScaleUnit, InMapModeFailsAndLeavesTheSurfaceVisible) {
    Rig rig;
    rig.start();
    rig.surface.visible = false;
    EXPECT_FALSE(rig.control.SetScaleUnit());
    EXPECT_EQ(rig.control.ControlError(), "Invalid method if 'MapStyle' = 0");
    EXPECT_TRUE(rig.surface.visible);
}

TEST(SetScaleUnit, NumericTicksAndLabels) {
    // The host may draw, or set a colour, between two ticks: the scale keeps its own pen.
    for (const bool hostDrawsMeanwhile : {false, true}) {
        ScaleRig rig;
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
        const auto texts = rig.printed();
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
        ScaleRig rig;
        rig.control.setMinX(c.minX);
        rig.control.setMaxX(c.maxX);
        rig.control.setViewGrid(c.grid);
        ASSERT_TRUE(rig.control.SetScaleUnit()) << c.name;
        EXPECT_EQ(rig.fullVerticals(), c.verticals) << c.name;
    }
}

TEST(SetScaleUnit, OverlappingLabelsAreSkipped) {
    ScaleRig rig;
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
    const auto texts = rig.printed();
    EXPECT_LT(std::count_if(texts.begin(), texts.end(), [](const std::string& t) { return t.size() <= 4; }), 200)
        << "Y labels one pixel apart mostly skipped";
}

TEST(SetScaleUnit, DateAxis) {
    ScaleRig rig;
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

    ScaleRig outside;
    outside.control.setXAsDate(true);
    outside.control.setMaxX(Variant::fromDate(1e7));
    outside.control.setMaxX(5e6);  // no valid date: the axis becomes numeric
    outside.control.setXAsDate(true);
    outside.control.setMaxX(5e6);
    ASSERT_TRUE(outside.control.SetScaleUnit());
    EXPECT_FALSE(outside.control.XAsDate());
}

TEST(SetScaleUnit, AnAutomaticUnitIsWrittenBack) {
    // A unit of 0 only comes from stored settings, so the builder is driven on its own state.
    const struct {
        const char* name;
        bool asDate;
        float min, max;
        std::int32_t unit;
    } cases[] = {
        {"numbers 0..100", false, 0, 100, 10},
        {"dates, a year", true, static_cast<float>(DayNumberFromCivil(2024, 1, 1)),
         static_cast<float>(DayNumberFromCivil(2024, 12, 31)), 90},
    };
    for (const auto& c : cases) {
        FakePorts fakes;
        ControlState s;
        RecordingCommands target;
        Menus menus(s, fakes.windows, target);
        ScaleBuilder scale(s, fakes.ports, menus, [] {});
        s.MapStyle = 1;
        s.XAsDate = c.asDate;
        s.MinX = c.min;
        s.MaxX = c.max;
        s.UnitX = 0;
        ASSERT_TRUE(scale.SetScaleUnit()) << c.name;
        EXPECT_EQ(s.UnitX, c.unit) << c.name;
    }
}

TEST(SetScaleUnit, StopRequestEndsTheRunAfterTheCurrentTick) {
    ScaleRig rig;
    int ticks = 0;
    rig.ui.onYield = [&] {
        if (++ticks == 3) rig.control.setFlagExit(true);
    };
    EXPECT_FALSE(rig.control.SetScaleUnit());
    EXPECT_EQ(rig.control.ControlError(), "");
    EXPECT_EQ(ticks, 3);
    EXPECT_TRUE(rig.surface.visible);
}

TEST(SetScaleUnit, HugeBoundsEndInsteadOfLoopingForever) {
    ScaleRig rig;
    rig.control.setMinX(1e30);
    rig.control.setMaxX(1e30);
    EXPECT_TRUE(rig.control.SetScaleUnit());
    EXPECT_LT(rig.ui.yields, 100);
}

TEST(SetScaleUnit, MarginsWiderThanTheSurface) {
    ScaleRig rig;
    rig.surface.width = 400;
    rig.surface.height = 300;
    rig.control.setLeftScale(5000);
    rig.control.setRightScale(5000);
    EXPECT_TRUE(rig.control.SetScaleUnit());
}

}  // namespace
}  // namespace tesmo::test
