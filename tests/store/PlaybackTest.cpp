// Playing stored tracks and steering the playback, on fakes and a real database.
#include <gtest/gtest.h>

#include <algorithm>

#include "control/Commands.h"
#include "fakes/Fakes.h"
#include "fakes/TrackDatabase.h"
#include "tesmo/Error.h"

namespace tesmo::test {
namespace {

const std::vector<TrackRow> kTracks = {
    {1, "River", 1, 100, 100}, {2, "River", 1, 400, 100},  {3, "River", 2, 1000, 1000},
    {4, "River", 2, 1000, 1600}, {5, "River", 3, 2000, 2000}, {6, "River", 3, 2300, 2300},
    {1, "Road", 1, 50, 50},    {2, "Road", 1, 60, 60},
};

struct PlayRig : Rig {
    explicit PlayRig(const std::vector<TrackRow>& rows = kTracks) { start(DatabaseWith(rows)); }
    Commands commands{control};
    std::vector<SurfaceOp> lines() const { return surface.opsOf("Line"); }
    long count(const std::string& event) const { return std::count(events.raised.begin(), events.raised.end(), event); }
};

TEST(Playback, PlaysEveryBranchInOrderInTrackColor) {
    PlayRig rig;
    rig.control.setTrackColor(0x00FF00);
    EXPECT_TRUE(rig.control.DrawTrack("   River  "));
    EXPECT_EQ(rig.control.TrackName(), "River");
    EXPECT_EQ(rig.events.raised, (std::vector<std::string>{"StartDrawing", "FinishDrawing", "StartDrawing",
                                                           "FinishDrawing", "StartDrawing", "FinishDrawing"}));
    const auto lines = rig.lines();
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].x1, 100);
    EXPECT_EQ(lines[1].y2, 1600);
    EXPECT_EQ(lines[2].x2, 2300);
    for (const auto& l : lines) EXPECT_EQ(l.color, 0x00FF00);
    EXPECT_TRUE(rig.surface.opsOf("Cls").empty()) << "a first request draws over the map";

    rig.surface.ops.clear();
    EXPECT_TRUE(rig.control.DrawTrack("River"));
    EXPECT_EQ(rig.surface.ops.front().kind, "Cls") << "the same track again starts on a clean map";
    EXPECT_FALSE(rig.control.DrawTrack("river")) << "names match exactly";
    rig.surface.ops.clear();
    EXPECT_TRUE(rig.control.DrawTrack("Road"));
    EXPECT_TRUE(rig.surface.opsOf("Cls").empty()) << "another track is drawn over it";
}

TEST(Playback, ChoosingTheTrack) {
    PlayRig rig;
    rig.dialogs.onTrackList = [&](frmList& list) {
        EXPECT_FALSE(rig.control.DrawTrack("")) << "a second request while the list is open gets nothing";
        EXPECT_EQ(list.Entries(), (std::vector<std::string>{"River", "Road"})) << "and leaves the list alone";
        Choose("Road")(list);
    };
    EXPECT_TRUE(rig.control.DrawTrack(""));
    EXPECT_EQ(rig.control.TrackName(), "Road");

    PlayRig empty(std::vector<TrackRow>{});
    EXPECT_FALSE(empty.control.DrawTrack(""));
    ASSERT_EQ(empty.prompts.calls.size(), 1u);
    EXPECT_EQ(empty.prompts.calls[0].text, "No Track available.");
    EXPECT_EQ(empty.prompts.calls[0].style, 64);

    PlayRig closed;
    closed.commands.Run(Command::Exec);
    EXPECT_EQ(closed.control.TrackName(), "") << "closing the list chooses nothing";
    EXPECT_TRUE(closed.lines().empty());
}

TEST(Playback, CancelledInTheFirstStartDrawing) {
    PlayRig rig;
    // The host cancels and asks for another track at once: that request pauses the playback
    // it meets, and the pause must not outlive it.
    rig.events.cancel = [&] { return !rig.control.DrawTrack("Road"); };
    EXPECT_FALSE(rig.control.DrawTrack("River"));
    EXPECT_TRUE(rig.lines().empty());
    EXPECT_EQ(rig.count("StartDrawing"), 1);
    rig.events.cancel = [] { return false; };
    EXPECT_TRUE(rig.control.DrawTrack("River"));
    EXPECT_EQ(rig.lines().size(), 3u) << "not held by a pause left over";
}

TEST(Playback, TheSameRequestPausesAndResumes) {
    PlayRig rig;
    rig.control.setDelay(10);
    rig.control.setBaseStep(30);
    std::vector<std::string> captions;
    bool paused = false, resumed = false;
    int pausedYields = 0;
    rig.ui.onYield = [&] {
        if (!paused && rig.lines().size() == 2) {
            paused = true;
            EXPECT_FALSE(rig.control.DrawTrack("Road")) << "a request during a playback only pauses it";
            captions.push_back(rig.commands.State(Command::Exec).caption);
            rig.ui.waits.clear();
        } else if (paused && !resumed && ++pausedYields == 3) {
            resumed = true;
            EXPECT_GT(std::count(rig.ui.waits.begin(), rig.ui.waits.end(), 250.0), 0) << "paused, it sleeps until an event";
            const auto drawn = rig.lines().size();
            rig.commands.Run(Command::Exec);
            captions.push_back(rig.commands.State(Command::Exec).caption);
            EXPECT_EQ(rig.lines().size(), drawn) << "nothing was drawn while paused";
        }
    };
    EXPECT_TRUE(rig.control.DrawTrack("River"));
    EXPECT_EQ(captions, (std::vector<std::string>{"Resume drawing in progress", "Abort drawing in progress"}));
    EXPECT_EQ(rig.lines().back().x2, 2300) << "the playback went on with its own track to its end";
    EXPECT_EQ(rig.count("FinishDrawing"), 3);
    EXPECT_EQ(rig.control.TrackName(), "Road") << "the request's name is kept for later";
    EXPECT_EQ(rig.commands.State(Command::Exec).caption, "Execute Track drawing");
}

TEST(Playback, CancellingDuringTheSecondOfThreeBranches) {
    PlayRig rig;
    rig.control.setDelay(10);
    rig.control.setBaseStep(100);
    rig.prompts.answers = {msgbox::Yes};
    std::size_t clearedAt = 0;
    rig.ui.onYield = [&] {
        if (clearedAt == 0 && rig.lines().size() == 5) {  // branch 1 took 3 lines, branch 2 is under way
            EXPECT_TRUE(rig.commands.State(Command::Cancel).enabled);
            rig.commands.Run(Command::Cancel);
            clearedAt = rig.surface.ops.size();
        }
    };
    EXPECT_TRUE(rig.control.DrawTrack("River"));
    ASSERT_GT(clearedAt, 0u);
    ASSERT_EQ(rig.prompts.calls.size(), 1u);
    EXPECT_EQ(rig.prompts.calls[0].text, "Are you sure you want to cancel the current drawing ?");
    EXPECT_EQ(rig.prompts.calls[0].style, 292);
    EXPECT_EQ(rig.prompts.calls[0].title, "Cancel drawing in progress");
    EXPECT_EQ(rig.surface.ops[clearedAt - 1].kind, "Cls") << "the surface is cleared at once";
    EXPECT_EQ(rig.surface.opsOf("Line").size(), 5u) << "nothing drawn after the cancel";
    EXPECT_EQ(rig.count("StartDrawing"), 3) << "branch 3 is still loaded and announced";
    EXPECT_EQ(rig.count("FinishDrawing"), 1) << "only branch 1 finished";
    EXPECT_FALSE(rig.commands.State(Command::Cancel).enabled);
}

TEST(Playback, EscapeCancelsAndIsSwallowed) {
    PlayRig rig;
    rig.control.setDelay(10);
    rig.prompts.answers = {msgbox::No};
    std::int16_t escape = 27, other = 65;
    rig.ui.onYield = [&] {
        if (rig.lines().size() == 1 && escape == 27) {
            rig.container().KeyDown(other);
            rig.container().KeyDown(escape);
        }
    };
    EXPECT_TRUE(rig.control.DrawTrack("River"));
    EXPECT_EQ(escape, 0);
    EXPECT_EQ(other, 65);
    EXPECT_EQ(rig.prompts.calls.size(), 1u);
    EXPECT_EQ(rig.count("FinishDrawing"), 3) << "answering No lets the playback go on";

    const struct {
        const char* name;
        std::function<void(Rig&)> setUp;
    } kept[] = {
        {"no database", [](Rig& r) { r.start(NewFolder()); }},
        {"chart mode", [](Rig& r) { r.start(), r.control.setMapStyle(enMapStyle::ScaleSystem); }},
        {"menus off", [](Rig& r) { r.start(), r.control.setEnableMenu(false); }},
    };
    for (const auto& c : kept) {
        Rig r;
        c.setUp(r);
        std::int16_t key = 27;
        r.container().KeyDown(key);
        EXPECT_EQ(key, 27) << c.name << ": Esc goes on to the host";
    }
}

TEST(Reentry, ADrawingStartedInsideAnotherEndsTheFirstCleanly) {
    Rig rig;
    rig.start();
    for (int i = 0; i < 20; ++i) rig.control.Point_Add(100 * i, 100);
    rig.control.setDelay(5);
    rig.control.setBaseStep(1000);
    std::size_t linesWhenNestedEnded = 0;
    bool nested = false;
    rig.ui.onYield = [&] {
        if (nested || rig.surface.opsOf("Line").size() != 3) return;
        nested = true;
        rig.control.Point_Clear();
        rig.control.Point_Add(5000, 5000);
        rig.control.Point_Add(6000, 5000);
        EXPECT_TRUE(rig.control.Draw());
        linesWhenNestedEnded = rig.surface.opsOf("Line").size();
    };
    EXPECT_FALSE(rig.control.Draw()) << "its path was replaced before its end";
    ASSERT_EQ(linesWhenNestedEnded, 4u);
    EXPECT_EQ(rig.surface.opsOf("Line").size(), 4u) << "the first drawing drew nothing more";
    EXPECT_EQ(rig.surface.opsOf("Line").back().x2, 6000);
    EXPECT_EQ(std::count(rig.events.raised.begin(), rig.events.raised.end(), "FinishDrawing"), 1);
}

TEST(Reentry, ADrawingMadeInTheHostsStartDrawingLeavesTheBranchWhole) {
    const struct {
        const char* name;
        Variant x;
        bool drawn;
    } cases[] = {{"a drawing of the host's points", 5000, true}, {"a drawing that fails", "abc", false}};
    for (const auto& c : cases) {
        PlayRig rig;
        rig.control.Point_Add(c.x, 5000, "first");
        rig.control.Point_Add(6000, 6000);
        bool nested = false;
        rig.events.cancel = [&] {
            if (!std::exchange(nested, true)) {
                EXPECT_EQ(ErrorOf([&] { rig.control.Draw(); }), c.drawn ? 0 : 1023);
            }
            return false;
        };
        EXPECT_TRUE(rig.control.DrawTrack("River"));
        const auto lines = rig.lines();
        ASSERT_EQ(lines.size(), c.drawn ? 4u : 3u) << c.name;
        EXPECT_EQ(lines[c.drawn ? 1 : 0].x2, 400) << c.name << ": the first branch is drawn, not the host's points";
    }
}

TEST(Reentry, APlaybackRequestedWhileBranchesLoadPausesTheRunningOne) {
    std::vector<TrackRow> rows;
    for (int i = 1; i <= 200; ++i) rows.push_back({i, "Big", i <= 100 ? 1 : 2, 10.0f * i, 500});
    rows.push_back({1, "Small", 1, 0, 0});
    rows.push_back({2, "Small", 1, 9, 9});
    PlayRig rig(rows);
    int yields = 0;
    rig.ui.onYield = [&] {
        // Still loading at the fifth yield: the request pauses; the next one resumes.
        if (++yields == 5 || yields == 6) {
            EXPECT_FALSE(rig.control.DrawTrack("Small"));
        }
    };
    EXPECT_TRUE(rig.control.DrawTrack("Big"));
    EXPECT_EQ(rig.lines().size(), 198u) << "both branches of Big, nothing of Small";
    EXPECT_EQ(rig.count("FinishDrawing"), 2);
    EXPECT_EQ(rig.lines().back().x2, 2000);
}

TEST(Playback, AOnePointBranchDrawsNoLineAndOneMarker) {
    PlayRig rig({{1, "Dot", 1, 700, 800}});
    rig.control.setViewPoints(true);
    rig.control.setDrawWidth(3);
    EXPECT_TRUE(rig.control.DrawTrack("Dot"));
    EXPECT_TRUE(rig.lines().empty());
    const auto boxes = rig.surface.opsOf("Box");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].color, 255);
    EXPECT_EQ(boxes[0].width, 1) << "whatever the line's width";
    EXPECT_EQ(boxes[0].x1, 700 - 15);
}

TEST(Playback, DoubleClickOnTheMap) {
    PlayRig rig;
    rig.dialogs.onTrackList = Choose("River");
    rig.container().DblClick();
    EXPECT_EQ(rig.dialogs.listCaptions.size(), 1u) << "more than one track: the user chooses";
    EXPECT_EQ(rig.count("FinishDrawing"), 3);

    Rig missing;
    missing.start(NewFolder());
    missing.container().DblClick();
    ASSERT_EQ(missing.prompts.calls.size(), 1u);
    EXPECT_EQ(missing.prompts.calls[0].text, missing.host.folder + "Tesmo.mdb\r\rThe database doesn't exist in the path.");
    EXPECT_EQ(missing.prompts.calls[0].style, 48);
}

TEST(TrackList, ViewAndDelete) {
    TrackListDialog().ClosedByUser();  // the list is shared by the thread's controls
    PlayRig rig;
    rig.dialogs.onTrackList = Choose("Road");
    rig.commands.Run(Command::View);
    EXPECT_EQ(rig.dialogs.listCaptions.back(), "Available Tracks");
    EXPECT_EQ(rig.control.TrackName(), "") << "viewing chooses nothing and the last choice was none";

    rig.prompts.answers = {msgbox::No};
    rig.commands.Run(Command::Remove);
    EXPECT_EQ(rig.prompts.calls.back().text, "Are you sure to delete the Track  ''Road'' ?");
    EXPECT_EQ(rig.prompts.calls.back().style, 292);
    EXPECT_EQ(rig.prompts.calls.back().title, "Delete Track");
    EXPECT_EQ(rig.control.TrackName(), "Road") << "No keeps the track and the name";

    rig.dialogs.onTrackList = [](frmList& list) { list.OK(std::nullopt); };
    rig.commands.Run(Command::View);
    EXPECT_EQ(rig.control.TrackName(), "Road") << "OK on a viewed list keeps the last choice";

    rig.dialogs.onTrackList = Choose("Road");
    rig.prompts.answers = {msgbox::Yes};
    rig.commands.Run(Command::Remove);
    EXPECT_EQ(rig.control.TrackName(), "");
    rig.dialogs.onTrackList = [](frmList& list) { list.ClosedByUser(); };
    rig.commands.Run(Command::View);
    EXPECT_EQ(rig.dialogs.listEntries.back(), std::vector<std::string>{"River"});
}

TEST(Shutdown, ClosesTheConnection) {
    PlayRig rig;
    rig.container().Terminate();
    EXPECT_FALSE(rig.control.DrawTrack("River")) << "no database after shutdown";
}

}  // namespace
}  // namespace tesmo::test
