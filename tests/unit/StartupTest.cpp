// Start-up, locale detection, layout, the wait between steps and shutdown.
#include <gtest/gtest.h>

#include <cmath>

#include "core/ControlCore.h"
#include "core/ControlState.h"
#include "core/LocaleDetection.h"
#include "fakes/Fakes.h"
#include "support/SharedValues.h"

namespace tesmo::test {
namespace {

using SharedValuesGuard = SharedValuesTest;

TEST(LocaleDetection, DateOrderFromTheShortDateOf31March1999) {
    const struct {
        const char* probe;
        const char* expected;
    } cases[] = {
        {"31/03/1999", "dd/mm/yy"}, {"31/03/99", "dd/mm/yy"},   {"3/31/1999", "mm/dd/yy"},
        {"03/31/99", "mm/dd/yy"},   {"3/31/99", "mm/dd/yy"},    {"1999/03/31", "yy/mm/dd"},
        {"99/03/31", "yy/mm/dd"},   {"31.03.99", "dd/mm/yy"},   {"31 Mar 1999", "dd/mm/yy"},
        {"1999-03-31", "dd/mm/yy"}, {"31/03", "dd/mm/yy"},      {"", "dd/mm/yy"},
        {"x/y/z", "dd/mm/yy"},
    };
    for (const auto& c : cases) EXPECT_EQ(DetectDateFormats(c.probe).shortFormat, c.expected) << c.probe;
    EXPECT_EQ(DetectDateFormats("3/31/99").longFormat, "mm/dd/yyyy");
    EXPECT_EQ(DetectDateFormats("1999/03/31").longFormat, "yyyy/mm/dd");
}

TEST(LocaleDetection, DecimalSeparator) {
    EXPECT_EQ(DetectDecimalSeparator(".", ","), ".");
    EXPECT_EQ(DetectDecimalSeparator(",", "."), ",");
    EXPECT_EQ(DetectDecimalSeparator("\u066b", "\u066c"), ",");
}

TEST_F(SharedValuesGuard, InitializeReadsLocaleMetricsAndFolder) {
    Rig rig;
    rig.locale.shortDate = "31.03.99";
    rig.locale.decimal = ",";
    rig.locale.group = ".";
    rig.host.folder = "/usr/lib";
    rig.container().Initialize();
    EXPECT_EQ(Shared().ShortDateFormat, "dd/mm/yy");
    EXPECT_EQ(Shared().DecimalSeparator, ",");
    EXPECT_EQ(Shared().GroupSeparator, ".");
    EXPECT_EQ(rig.control.ControlError(), "");
    EXPECT_FALSE(rig.control.FlagExit());

    Rig root;
    root.host.folder = "/";
    root.locale.shortDate = "3/31/99";
    root.container().Initialize();
    EXPECT_EQ(Shared().LongDateFormat, "mm/dd/yyyy");
}

TEST(Layout, SurfaceKeepsAnEqualMarginInsideTheControl) {
    Rig rig;
    rig.start();
    rig.host.innerWidth = 3000;
    rig.host.innerHeight = 2000;
    rig.container().Resize();
    EXPECT_EQ(rig.surface.width, 2970);
    EXPECT_EQ(rig.surface.height, 1970);
    EXPECT_EQ(rig.surface.Left(), 15);
    EXPECT_EQ(rig.surface.Top(), 15);
}

TEST(Layout, AutoSizeWithAPictureSizesTheControlAroundIt) {
    Rig rig;
    rig.start();
    rig.surface.pictureWidth = 200;
    rig.surface.pictureHeight = 100;
    rig.surface.picture = FakePicture();
    rig.control.setAutoSize(true);
    EXPECT_EQ(rig.host.widthsSet.back(), 230);
    EXPECT_EQ(rig.host.heightsSet.back(), 130);
    EXPECT_FALSE(Shared().Resizing);
}

TEST(Layout, AutoSizeWithoutAPictureLaysOutAsUsual) {
    Rig rig;
    rig.start();
    rig.host.innerWidth = 3000;
    rig.control.setAutoSize(true);
    EXPECT_EQ(rig.surface.width, 2970);
}

TEST(Layout, NothingMovesWhileAStopIsRequested) {
    Rig rig;
    rig.start();
    rig.control.setFlagExit(true);
    rig.host.innerWidth = 3000;
    rig.container().Resize();
    EXPECT_NE(rig.surface.width, 2970);
}

TEST(Layout, AFailureLeavesTheSurfaceAndDoesNotBlockLaterLayouts) {
    Rig rig;
    rig.start();
    const float before = rig.surface.width;
    rig.host.innerWidth = 10;  // narrower than the margins
    rig.container().Resize();
    EXPECT_EQ(rig.surface.width, before);

    rig.surface.picture = FakePicture();
    rig.host.failSizes = true;
    rig.control.setAutoSize(true);
    EXPECT_FALSE(Shared().Resizing);
    rig.control.setAutoSize(false);
    rig.host.innerWidth = 3000;
    rig.container().Resize();
    EXPECT_EQ(rig.surface.width, 2970);
}

TEST(WaitDelay, SleepsUntilTheDelayHasPassed) {
    Rig rig;
    rig.start();
    rig.control.setDelay(50);
    ControlState state;
    state.Delay = 50;
    const Ports& ports = rig.ports;
    const double start = rig.clock.now;
    WaitDelay(state, ports);
    EXPECT_EQ(rig.clock.now - start, 50);
    EXPECT_GE(rig.ui.yields, 1);
    ASSERT_EQ(rig.ui.waits.size(), 1u);
    EXPECT_EQ(rig.ui.waits[0], 50) << "one sleep for the whole delay, no spinning";

    state.Delay = 0;
    rig.ui.yields = 0;
    rig.ui.waits.clear();
    WaitDelay(state, ports);
    EXPECT_EQ(rig.ui.yields, 1) << "a delay of 0 still yields once";
    EXPECT_TRUE(rig.ui.waits.empty());

    // A Delay loaded as stored: a wait never gets more than a timer can take, or NaN.
    for (const float stored : {1e30f, std::nanf(""), -5.0f}) {
        rig.ui.waits.clear();
        state.Delay = stored;
        WaitDelay(state, ports);
        EXPECT_EQ(rig.ui.waits, stored > 0 ? std::vector<double>{kLongestWaitMs} : std::vector<double>{}) << stored;
    }

    state.Delay = 60000;
    rig.ui.onYield = [&] { state.FlagExit = true; };
    const double before = rig.clock.now;
    WaitDelay(state, ports);
    EXPECT_EQ(rig.clock.now, before) << "a stop request ends the wait";
}

TEST(Shutdown, StopsDrawingUnloadsDialogsAndReleasesThePoints) {
    Rig rig;
    rig.start();
    rig.container().Terminate();
    EXPECT_TRUE(rig.control.FlagExit());
    EXPECT_EQ(rig.dialogs.unloaded, 1);
    rig.control.setFlagExit(false);
    EXPECT_TRUE(rig.control.FlagExit()) << "a control that is shutting down cannot be restarted";
}

}  // namespace
}  // namespace tesmo::test
