// The control's plain and pass-through properties on recording fakes.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "core/Corrections.h"
#include "fakes/Fakes.h"
#include "tesmo/Error.h"

namespace tesmo::test {
namespace {

TEST(Clamping, BaseStepAndDelay) {
    const float inf = std::numeric_limits<float>::infinity();
    const struct {
        float value;
        float limit;
        float expected;
    } cases[] = {
        {-5, kMaxBaseStep, 0},         {100000, kMaxBaseStep, 64000}, {64000, kMaxBaseStep, 64000},
        {30, kMaxBaseStep, 30},        {60000, kMaxDelay, 60000},     {60000.5f, kMaxDelay, 60000},
        {inf, kMaxDelay, 60000},       {-inf, kMaxDelay, 0},          {0.25f, kMaxDelay, 0.25f},
    };
    for (const auto& c : cases) EXPECT_EQ(ClampToLimit(c.value, c.limit), c.expected) << c.value;
}

TEST(Clamping, NotANumberIsRefusedAndChangesNothing) {
    Rig rig;
    rig.start();
    rig.control.setDelay(50);
    EXPECT_EQ(ErrorOf([&] { rig.control.setDelay(std::nanf("")); }), errors::InvalidPropertyValue);
    EXPECT_EQ(ErrorOf([&] { rig.control.setBaseStep(std::nanf("")); }), errors::InvalidPropertyValue);
    EXPECT_EQ(rig.control.Delay(), 50);
    EXPECT_EQ(rig.control.BaseStep(), 30);
}

TEST(Correction, DrawWidth) {
    const struct {
        std::int16_t requested;
        float scaleWidth;
        std::int16_t expected;
    } cases[] = {
        {0, 3000, 1},        {-7, 3000, 1},     {2000, 3000, 1500}, {1500, 3000, 1500},
        {5, 9570, 5},        {32767, 9570, 4785}, {3, 5, 2},        {2, 3001, 2},
        {32767, 1e9f, 32767}, {1, 0, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(CorrectDrawWidth(c.requested, c.scaleWidth), c.expected) << c.requested << " on " << c.scaleWidth;
}

TEST(Properties, SettersStoreApplyAndNotifyUnderTheirName) {
    Rig rig;
    rig.start();
    ucTesmo& c = rig.control;
    const struct {
        const char* name;
        std::function<void()> set;
    } cases[] = {
        {"AutoRedraw", [&] { c.setAutoRedraw(false); }},
        {"AutoSize", [&] { c.setAutoSize(true); }},
        {"BaseStep", [&] { c.setBaseStep(12); }},
        {"BorderStyle", [&] { c.setBorderStyle(enBorderStyle::FixedSingle); }},
        {"Delay", [&] { c.setDelay(5); }},
        {"DrawWidth", [&] { c.setDrawWidth(3); }},
        {"FlagExit", [&] { c.setFlagExit(false); }},
        {"Picture", [&] { c.setPicture({}); }},
        {"Width", [&] { c.setWidth(5000); }},
        {"Height", [&] { c.setHeight(4000); }},
        {"BackColor", [&] { c.setBackColor(0x123456); }},
        {"Enabled", [&] { c.setEnabled(true); }},
        {"ForeColor", [&] { c.setForeColor(0x00FF00); }},
        {"CurrentX", [&] { c.setCurrentX(10); }},
        {"CurrentY", [&] { c.setCurrentY(20); }},
        {"Font", [&] { c.setFont({}); }},
        {"Title", [&] { c.setTitle("T"); }},
        {"EnableMenu", [&] { c.setEnableMenu(true); }},
        {"ViewPoints", [&] { c.setViewPoints(true); }},
        {"ViewGrid", [&] { c.setViewGrid(true); }},
        {"GridColor", [&] { c.setGridColor(1); }},
        {"MouseScan", [&] { c.setMouseScan(true); }},
        {"TitleColor", [&] { c.setTitleColor(2); }},
        {"TextColor", [&] { c.setTextColor(3); }},
        {"TrackColor", [&] { c.setTrackColor(4); }},
    };
    for (const auto& t : cases) {
        rig.host.notified.clear();
        t.set();
        EXPECT_EQ(rig.host.notified, std::vector<std::string>{t.name}) << t.name;
    }
    EXPECT_EQ(c.BaseStep(), 12);
    EXPECT_EQ(rig.surface.drawWidth, 3);
    EXPECT_EQ(rig.surface.backColor, 0x123456);
    EXPECT_EQ(rig.host.backColor, 0x123456);
    EXPECT_EQ(rig.surface.borderStyle, 1);
}

TEST(Properties, TitleIsTrimmedAndPrintedAtTheTopLeftInTitleColor) {
    Rig rig;
    rig.start();
    rig.control.setTitleColor(0x00FFFF);
    rig.control.setForeColor(0x0000FF);
    rig.surface.foreColor = 0x0000FF;
    rig.control.setTitle("   Rivers  ");
    EXPECT_EQ(rig.control.Title(), "Rivers");
    const auto prints = rig.surface.opsOf("Print");
    ASSERT_EQ(prints.size(), 1u);
    EXPECT_EQ(prints[0].text, "Rivers");
    EXPECT_EQ(prints[0].x1, rig.surface.TextWidth("x"));
    EXPECT_EQ(prints[0].y1, 0);
    EXPECT_EQ(prints[0].color, 0x00FFFF);
    EXPECT_EQ(rig.surface.foreColor, 0x0000FF);
}

TEST(Properties, TitleIsNotPrintedWhenBlankDisabledOrAtDesignTime) {
    const struct {
        const char* name;
        const char* title;
        bool enabled;
        bool userMode;
    } cases[] = {
        {"blank", "   ", true, true},
        {"empty", "", true, true},
        {"disabled", "Title", false, true},
        {"design time", "Title", true, false},
    };
    for (const auto& c : cases) {
        Rig rig;
        rig.start();
        rig.host.enabled = c.enabled;
        rig.host.userMode = c.userMode;
        rig.control.setTitle(c.title);
        EXPECT_TRUE(rig.surface.opsOf("Print").empty()) << c.name;
    }
}

TEST(Properties, CurrentPositionIsTheLastValueGiven) {
    Rig rig;
    rig.start();
    rig.control.setCurrentX(300);
    rig.surface.currentX = 999;  // drawing moved the surface's position
    EXPECT_EQ(rig.control.CurrentX(), 300);
    rig.host.userMode = false;
    rig.control.setCurrentY(77);
    EXPECT_EQ(rig.control.CurrentY(), 77);
    EXPECT_EQ(rig.surface.currentY, 0) << "design time touches only the field";
}

TEST(Properties, SizeReadsTheLastValueGivenNotTheLiveOne) {
    Rig rig;
    rig.start();
    rig.control.setWidth(5000);
    rig.host.innerWidth = 7000;  // the container resized the control
    EXPECT_EQ(rig.control.Width(), 5000);
    EXPECT_EQ(rig.host.widthsSet.back(), 5000);
}

TEST(Properties, ForeColorReachesTheSurfaceOnlyInChartMode) {
    Rig rig;
    rig.start();
    rig.surface.foreColor = 7;
    rig.control.setForeColor(0x00FF00);
    EXPECT_EQ(rig.control.ForeColor(), 0x00FF00);
    EXPECT_EQ(rig.surface.foreColor, 7);
}

TEST(Properties, ClipControlsStaysTrue) {
    Rig rig;
    rig.start();
    rig.control.setClipControls(false);
    EXPECT_TRUE(rig.control.ClipControls());
    EXPECT_TRUE(rig.prompts.calls.empty()) << "silent at run time";
    EXPECT_TRUE(rig.host.notified.empty());

    rig.host.userMode = false;
    rig.control.setClipControls(false);
    ASSERT_EQ(rig.prompts.calls.size(), 1u);
    EXPECT_EQ(rig.prompts.calls[0].text, "Read-only property.\r\r'ClipControls' property must be set to 'True'");
    EXPECT_EQ(rig.prompts.calls[0].style, 48);
    EXPECT_EQ(rig.prompts.calls[0].title, "");
    EXPECT_TRUE(rig.host.notified.empty());
}

TEST(Properties, FlagExit) {
    Rig rig;
    rig.start();
    rig.host.userMode = false;
    EXPECT_EQ(ErrorOf([&] { rig.control.setFlagExit(true); }), 382);
    EXPECT_FALSE(rig.control.FlagExit());
    EXPECT_TRUE(rig.host.notified.empty());

    rig.host.userMode = true;
    rig.control.setFlagExit(false);
    EXPECT_TRUE(rig.surface.ops.empty()) << "false only stores";
    rig.control.setFlagExit(true);
    EXPECT_TRUE(rig.control.FlagExit());
    EXPECT_EQ(rig.surface.opsOf("Cls").size(), 1u) << "true stops a drawing and clears the surface";
}

TEST(Properties, BorderStyleReadsBackWhatTheSurfaceHas) {
    Rig rig;
    rig.start();
    rig.control.setBorderStyle(enBorderStyle::FixedSingle);
    rig.surface.borderStyle = 0;
    EXPECT_EQ(rig.control.BorderStyle(), enBorderStyle::None);
    EXPECT_EQ(ErrorOf([&] { rig.control.setBorderStyle(static_cast<enBorderStyle>(70000)); }),
              errors::Overflow);
}

TEST(Properties, AboutShowsTheBoxAndTheSurface) {
    Rig rig;
    rig.start();
    rig.surface.visible = false;
    rig.control.About();
    EXPECT_EQ(rig.dialogs.aboutShown, 1);
    EXPECT_TRUE(rig.surface.visible);
}

}  // namespace
}  // namespace tesmo::test
