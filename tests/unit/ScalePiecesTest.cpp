// The mapping, the step choice and the tick labels, each on its own.
#include <gtest/gtest.h>

#include "core/ControlState.h"
#include "fakes/Fakes.h"
#include "scale/Mapping.h"
#include "scale/StepChoice.h"
#include "scale/TickLabels.h"
#include "support/DayNumber.h"
#include "tesmo/Error.h"

namespace tesmo {
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
        {"default margins", {0, 100, 0, 100}, 9570, 6170},
        {"negative bounds", {-50, 50, -10, 30}, 3000, 2000},
        {"date-sized bounds", {45000, 45365, 0, 1}, 9000, 6000},
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
        EXPECT_EQ(test::ErrorOf([&] { ComputeMapping(s, 100, 100); }, &text), f.number);
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
        {0.5f, false, "dd/mm/yy", &point, "0.5"},      {0.5f, false, "dd/mm/yy", &comma, "0,5"},
        {1250, false, "dd/mm/yy", &point, "1,250"},    {-3, false, "dd/mm/yy", &point, "-3"},
        {0, false, "dd/mm/yy", &point, "0"},           {1000, false, "dd/mm/yy", &comma, "1.000"},
        {day, true, "dd/mm/yy", &point, "31/03/99"},   {day, true, "mm/dd/yy", &point, "03/31/99"},
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
        {"0", false, ".", true},         {"-0", false, ".", true},     {"0.5", false, ".", false},
        {"0,5", false, ",", false},      {"1,000", false, ".", false}, {"1.000", false, ",", false},
        {"00/01/01", true, ".", false},  {"0", false, ",", true},      {"-3", false, ".", false},
    };
    for (const auto& c : cases) EXPECT_EQ(LabelIsZero(c.label, c.asDate, c.decimal), c.zero) << c.label;
}

TEST(TickLabels, PositionsKeepLabelsInsideTheSurface) {
    const LabelPlacement p{9570, 6170, 15, 15};
    const struct {
        const char* name;
        float got;
        float expected;
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

}  // namespace
}  // namespace tesmo
