// Creating tracks with the mouse, on fakes and a real database.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <utility>
#include <vector>

#include "control/Commands.h"
#include "fakes/Fakes.h"
#include "fakes/TrackDatabase.h"
#include "tracks/TrackStore.h"

namespace tesmo::test {
namespace {

const std::string kByPoints =
    "The following procedure allows to create one Track by POINTS. Set all points one by one through the mouse "
    "click, then close the new Track with the corresponding menu command.\r\rDo you want to proceed ?";
const std::string kByStep =
    "The following procedure allows to create one Track by STEP. Draw one single line (continue or not, circle "
    "closing or not) through the mouse, then close the new Track with the corresponding menu command.\r\rDo you "
    "want to proceed ?";

struct CreationRig : Rig {
    explicit CreationRig(const std::vector<TrackRow>& rows = {}) : folder(DatabaseWith(rows)) { start(folder); }
    // Arms a mode for a track name, answering the two questions.
    void arm(bool byPoints, const std::string& name) {
        prompts.answers.push_back(msgbox::Yes);
        prompts.inputs.push_back(name);
        commands.Run(byPoints ? Command::PointDraw : Command::LineDraw);
    }
    void click(float x, float y) { container().MouseUp(1, 0, x, y); }
    void drag(float x, float y) { container().MouseMove(1, 0, x, y); }
    // The committed rows of a track, as another program sees them: "ordinale,ramo,X,Y;...".
    std::string stored(const std::string& name) const {
        SqliteConnection c;
        c.Open(ConnectionStringFor(folder + "Tesmo.mdb"));
        auto rows = c.OpenRecordSet("SELECT * FROM TESMO WHERE tratto=" + TrackStore::Quoted(name) +
                                    " ORDER BY ordinale");
        std::string text;
        for (rows->MoveFirst(); !rows->AtEnd(); rows->MoveNext())
            text += rows->Field("ordinale").toString() + "," + rows->Field("ramo").toString() + "," +
                    rows->Field("X").toString() + "," + rows->Field("Y").toString() + ";";
        return text;
    }
    long raised(const std::string& event) const {
        return std::count(events.raised.begin(), events.raised.end(), event);
    }
    bool enabled(Command c) const { return commands.State(c).enabled; }
    std::string folder;
    Commands commands{control};
};

TEST(Creation, ByPointsEndToEnd) {
    CreationRig rig;
    rig.arm(true, "  Harbour's \"east\" 東京  ");
    ASSERT_EQ(rig.prompts.calls.size(), 2u);
    EXPECT_EQ(rig.prompts.calls[0].text, kByPoints);
    EXPECT_EQ(rig.prompts.calls[0].style, 36);
    EXPECT_EQ(rig.prompts.calls[0].title, "Create Track by points");
    EXPECT_EQ(rig.prompts.calls[1].text, "Choose the new Track name.");
    EXPECT_EQ(rig.prompts.calls[1].style, -1) << "an input box";
    EXPECT_FALSE(rig.enabled(Command::Exec));
    EXPECT_FALSE(rig.enabled(Command::PointDraw));
    EXPECT_TRUE(rig.enabled(Command::Commit));

    for (int i = 1; i <= 5; ++i) rig.click(100.0f * i, 200);
    EXPECT_EQ(rig.raised("MouseUp"), 5);
    const auto boxes = rig.surface.opsOf("Box");
    ASSERT_EQ(boxes.size(), 5u);
    EXPECT_EQ(boxes[0].x1, 85);
    EXPECT_EQ(boxes[0].y2, 215);
    EXPECT_EQ(boxes[0].color, 255);
    EXPECT_TRUE(rig.surface.opsOf("Line").empty()) << "no lines between the points";
    EXPECT_EQ(rig.stored("Harbour's \"east\" 東京"), "") << "nothing committed yet";

    rig.control.setMapStyle(enMapStyle::ScaleSystem);
    rig.control.setMapStyle(enMapStyle::Map);
    rig.windows.parent = 7;
    rig.control.setEnableMenu(false);
    rig.control.setEnableMenu(true);  // the menus set up again, in a window
    EXPECT_FALSE(rig.enabled(Command::PointDraw)) << "the creation goes on after a mode switch";
    EXPECT_TRUE(rig.enabled(Command::Commit));
    rig.commands.Run(Command::Commit);
    EXPECT_EQ(rig.prompts.calls.back().text,
              "New Track named  ''Harbour's \"east\" 東京''  (of the  1\u00B0 Branch) has been stored in DB.");
    EXPECT_EQ(rig.prompts.calls.back().style, 64);
    EXPECT_EQ(rig.control.TrackName(), "Harbour's \"east\" 東京");
    EXPECT_EQ(rig.stored("Harbour's \"east\" 東京"), "1,1,100,200;2,1,200,200;3,1,300,200;4,1,400,200;5,1,500,200;");
    EXPECT_TRUE(rig.enabled(Command::Exec));
    EXPECT_TRUE(rig.enabled(Command::PointDraw));
    EXPECT_FALSE(rig.enabled(Command::Commit));
}

// The line starts where the left button goes down and records every move, whatever its
// direction and distance; each track starts at its own press.
TEST(Creation, ByStepRecordsEveryMoveOfTheDragFromThePress) {
    CreationRig rig;
    const struct {
        const char* track;
        float pressX, pressY;
        std::vector<std::pair<float, float>> moves;
        const char* stored;  // every move, then the release where the last one ended
    } strokes[] = {
        {"Walk", 200, 150, {{210, 160}, {260, 240}, {300, 400}, {250, 300}},  // fast right and down, then back
         "1,1,210,160;2,1,260,240;3,1,300,400;4,1,250,300;5,1,250,300;"},
        {"Second", 500, 500, {{540, 560}}, "1,1,540,560;2,1,540,560;"},
    };
    for (const auto& k : strokes) {
        rig.arm(false, k.track);
        EXPECT_EQ(rig.prompts.calls.end()[-2].text, kByStep);
        EXPECT_EQ(rig.prompts.calls.end()[-2].title, "Create Track by step");
        const std::size_t linesBefore = rig.surface.opsOf("Line").size();
        const long movesBefore = rig.raised("MouseMove");
        rig.container().MouseDown(1, 0, k.pressX, k.pressY);
        EXPECT_EQ(rig.stored(k.track), "") << "the press records nothing";
        for (const auto& [x, y] : k.moves) rig.drag(x, y);
        EXPECT_EQ(rig.raised("MouseMove") - movesBefore, static_cast<long>(k.moves.size())) << k.track;
        const auto lines = rig.surface.opsOf("Line");
        ASSERT_EQ(lines.size(), linesBefore + k.moves.size()) << k.track;
        EXPECT_EQ(lines[linesBefore].x1, k.pressX) << k.track << ": from the press, not another track's end";
        EXPECT_EQ(lines[linesBefore].y1, k.pressY) << k.track;
        EXPECT_EQ(lines.back().color, rig.control.TrackColor());

        const std::size_t boxesBefore = rig.surface.opsOf("Box").size();
        rig.click(k.moves.back().first, k.moves.back().second);
        const auto boxes = rig.surface.opsOf("Box");
        ASSERT_EQ(boxes.size(), boxesBefore + 1) << "a marker on release only";
        EXPECT_EQ(boxes.back().color, 0x00FFFF);
        EXPECT_EQ(boxes.back().width, 1);
        rig.container().MouseMove(1, 1, 120, 120);  // Shift held: not a drag
        rig.container().MouseMove(3, 0, 120, 120);  // two buttons: not a drag
        rig.commands.Run(Command::Commit);
        EXPECT_EQ(rig.stored(k.track), k.stored) << k.track;
    }
}

TEST(Creation, NewBranchesContinueTheLastOrdinal) {
    CreationRig rig({{5, "A", 1, 1, 1}, {9, "A", 1, 2, 2}, {40, "A", 3, 3, 3}, {41, "A", 3, 4, 4}});
    rig.arm(true, "A");
    rig.click(7, 8);
    rig.commands.Run(Command::Commit);
    EXPECT_EQ(rig.prompts.calls.back().text, "New Track named  ''A''  (of the  4\u00B0 Branch) has been stored in DB.");
    rig.arm(true, "A");
    rig.click(9, 9);
    rig.commands.Run(Command::Commit);
    EXPECT_EQ(rig.stored("A"), "5,1,1,1;9,1,2,2;40,3,3,3;41,3,4,4;42,4,7,8;43,5,9,9;");
}

TEST(Creation, CommitWithoutAPointStoresNothingButDisarms) {
    CreationRig rig;
    rig.arm(true, "Empty");
    const auto shown = rig.prompts.calls.size();
    rig.commands.Run(Command::Commit);
    EXPECT_EQ(rig.prompts.calls.size(), shown) << "no message";
    EXPECT_EQ(rig.control.TrackName(), "");
    EXPECT_TRUE(rig.enabled(Command::PointDraw));
    rig.click(5, 5);
    EXPECT_EQ(rig.stored("Empty"), "");
}

TEST(Creation, DecliningTheOpenTrackRollsItAllBack) {
    CreationRig rig({{1, "Old", 1, 0, 0}});
    rig.arm(false, "Dropped");
    rig.click(10, 10);
    rig.drag(20, 20);
    rig.drag(30, 25);
    // A deletion would share the open track's transaction, and come back with its decline.
    rig.commands.Run(Command::Remove);
    EXPECT_EQ(rig.prompts.calls.back().text, "Commit or discard the new Track first.");
    EXPECT_EQ(rig.prompts.calls.back().style, 48);
    // A playback between re-enables the creation commands; the new start meets the open track.
    rig.surface.ops.clear();
    rig.control.DrawTrack("Dropped");
    ASSERT_TRUE(rig.enabled(Command::PointDraw));
    rig.prompts.answers = {msgbox::Yes, msgbox::No};
    rig.prompts.inputs = {"Kept"};
    rig.commands.Run(Command::PointDraw);
    EXPECT_EQ(rig.prompts.calls.end()[-2].text,
              "A new Track is still open and not saved.\r\rDo you want to save it before to proceed ?");
    rig.click(1, 1);
    rig.commands.Run(Command::Commit);
    EXPECT_EQ(rig.stored("Dropped"), "");
    EXPECT_EQ(rig.stored("Kept"), "1,1,1,1;");
    EXPECT_EQ(rig.stored("Old"), "1,1,0,0;");
}

TEST(Creation, ACancelledOrBlankNameLeavesNothingArmed) {
    // Nothing visible: blanks, tabs, no-break and ideographic spaces, a zero-width space.
    for (const char* name : {"", "   ", "\t \u00A0\u3000", "\u200B", "\u3164\uFE0F"}) {
        CreationRig rig({{1, "Old", 1, 0, 0}, {2, "Old", 1, 50, 50}});
        rig.arm(true, "First");
        rig.control.DrawTrack("Old");  // a playback re-enables the creation commands
        rig.arm(false, name);
        EXPECT_TRUE(rig.enabled(Command::PointDraw)) << '"' << name << '"';
        EXPECT_FALSE(rig.enabled(Command::Commit));
        rig.click(10, 10);
        rig.drag(10, 10);
        EXPECT_TRUE(rig.surface.opsOf("Box").empty()) << "nothing is armed";
        EXPECT_EQ(CountRows(rig.folder, "SELECT * FROM TESMO WHERE tratto <> 'Old'"), 0);
    }
}

TEST(Creation, FailedWrites) {
    const struct {
        const char* name;
        const char* setUp;
        const char* message;
    } cases[] = {
        {"a table without the right columns", "ALTER TABLE TESMO DROP COLUMN Y",
         "The Tesmo Table doesn't have the right fields."},
        {"a refusing trigger", "CREATE TRIGGER no BEFORE INSERT ON TESMO BEGIN SELECT RAISE(ABORT, 'no room'); END",
         "no room"},
    };
    for (const auto& c : cases) {
        CreationRig clicked;
        RunStatement(clicked.folder, c.setUp);
        clicked.arm(true, "T");
        clicked.click(1, 1);
        EXPECT_EQ(clicked.prompts.calls.back().text, c.message) << c.name;
        EXPECT_EQ(clicked.prompts.calls.back().style, 16) << c.name;
        EXPECT_EQ(clicked.raised("MouseUp"), 0) << c.name;
        EXPECT_EQ(clicked.surface.opsOf("Box").size(), 1u) << c.name << ": the marker is drawn all the same";

        CreationRig dragged;
        RunStatement(dragged.folder, c.setUp);
        dragged.arm(false, "T");
        dragged.drag(2, 2);
        EXPECT_EQ(dragged.raised("MouseMove"), 0) << c.name;
        EXPECT_NE(dragged.control.ControlError(), "") << c.name;
        EXPECT_EQ(dragged.prompts.calls.size(), 2u) << c.name << ": nothing shown";
    }
    // A refused first point keeps its ordinal: the next point takes the one after.
    CreationRig rig;
    RunStatement(rig.folder, "CREATE TRIGGER no BEFORE INSERT ON TESMO WHEN NEW.X = 1 BEGIN SELECT RAISE(ABORT, 'no room'); END");
    rig.arm(true, "T");
    rig.click(1, 1);
    rig.click(2, 2);
    rig.commands.Run(Command::Commit);
    EXPECT_EQ(rig.stored("T"), "2,1,2,2;");
}

TEST(Creation, TheDatabaseFileGoneOrDroppingTheTrack) {
    // The file deleted before or after the first point: refused, never reported as kept.
    for (bool pointFirst : {false, true}) {
        CreationRig rig;
        rig.arm(true, "Gone");
        if (pointFirst) rig.click(1, 1);
        std::filesystem::remove(rig.folder + "Tesmo.mdb");
        rig.click(2, 2);
        EXPECT_NE(rig.prompts.calls.back().text.find("moved or deleted"), std::string::npos) << pointFirst;
        const auto shown = rig.prompts.calls.size();
        rig.commands.Run(Command::Commit);
        EXPECT_EQ(rig.prompts.calls.size(), shown + (pointFirst ? 1 : 0)) << pointFirst;
        EXPECT_EQ(rig.prompts.calls.back().text.find("has been stored"), std::string::npos) << pointFirst;
        EXPECT_EQ(rig.enabled(Command::Commit), pointFirst) << "an open track stays open";
        EXPECT_EQ(rig.control.TrackName(), "");
        rig.prompts.answers = {msgbox::No};
        EXPECT_TRUE(rig.container().QueryClose());
    }

    // The engine gives up the whole transaction at the third point (as on a full disk).
    CreationRig rig;
    RunStatement(rig.folder, "CREATE TRIGGER full BEFORE INSERT ON TESMO WHEN new.ordinale = 3 "
                             "BEGIN SELECT RAISE(ROLLBACK, 'database or disk is full'); END");
    rig.arm(true, "Full");
    for (int i = 1; i <= 4; ++i) rig.click(static_cast<float>(i), 0);
    EXPECT_EQ(rig.prompts.calls.end()[-2].text, "database or disk is full");
    EXPECT_EQ(rig.prompts.calls.back().text,
              "New Track named  ''Full''  has not been stored: the database gave up its points.");
    EXPECT_FALSE(rig.enabled(Command::Commit)) << "nothing is armed any more";
    rig.click(5, 0);
    EXPECT_EQ(rig.stored("Full"), "") << "no point kept on its own";
}

TEST(Creation, ACommitThatFailsKeepsTheTrackOpen) {
    CreationRig rig;
    rig.arm(true, "Busy");
    rig.click(1, 2);
    {
        SqliteConnection reader;  // a reader in the middle of a read blocks the commit
        reader.Open(ConnectionStringFor(rig.folder + "Tesmo.mdb"));
        reader.Execute("BEGIN");
        reader.OpenRecordSet("SELECT * FROM TESMO");
        rig.commands.Run(Command::Commit);
        EXPECT_NE(rig.prompts.calls.back().text.find("locked"), std::string::npos) << rig.prompts.calls.back().text;
        EXPECT_TRUE(rig.enabled(Command::Commit)) << "still open: the user can try again";
        rig.prompts.answers = {msgbox::Yes};
        EXPECT_FALSE(rig.container().QueryClose()) << "a track that could not be saved keeps its window open";
        reader.Execute("ROLLBACK");
    }
    rig.commands.Run(Command::Commit);
    EXPECT_EQ(rig.stored("Busy"), "1,1,1,2;");
}

TEST(Creation, TheDatabaseUnusable) {
    // Locked by another program when the control starts: tried again, once the lock is
    // gone, when the user next asks for a track.
    const std::string folder = DatabaseWith({});
    SqliteConnection other;
    other.Open(ConnectionStringFor(folder + "Tesmo.mdb"));
    other.Execute("BEGIN EXCLUSIVE");
    Rig rig;
    rig.start(folder);
    Commands commands(rig.control);
    rig.prompts.calls.clear();
    rig.prompts.answers = {msgbox::Yes};
    rig.prompts.inputs = {"X"};
    commands.Run(Command::PointDraw);
    EXPECT_TRUE(rig.prompts.calls.empty()) << "the command is disabled";
    rig.container().MouseUp(1, 0, 5, 5);
    rig.container().MouseUp(2, 0, 5, 5);
    EXPECT_EQ(rig.events.raised, std::vector<std::string>{"MouseUp"}) << "only the right release";
    EXPECT_TRUE(rig.prompts.calls.empty()) << "tried again without a word";
    EXPECT_FALSE(commands.State(Command::PointDraw).enabled);
    other.Execute("ROLLBACK");
    commands.Run(Command::PointDraw);  // picked in the window menu, still greyed there
    EXPECT_EQ(rig.prompts.calls.size(), 2u) << "armed: the question and the name";
}

TEST(Creation, AnOpenTrackOutlivesAReopenedDatabaseAndTheMenusSwitchedOff) {
    CreationRig rig;
    rig.control.setEnableMenu(false);  // the host's commands still arm, place and commit
    rig.arm(true, "Long");
    rig.click(1, 1);
    rig.control.setMapStyle(enMapStyle::ScaleSystem);
    rig.control.setMapStyle(enMapStyle::Map);
    rig.click(2, 2);
    rig.commands.Run(Command::Commit);
    EXPECT_EQ(rig.stored("Long"), "1,1,1,1;2,1,2,2;");

    CreationRig full({{INT32_MAX, "Full", 1, 0, 0}});
    full.arm(true, "Full");
    full.click(1, 1);
    EXPECT_EQ(full.prompts.calls.back().text, "Overflow") << "no ordinal after the last";
}

TEST(Creation, ClosingAndShuttingDown) {
    const struct {
        const char* name;
        std::function<void(CreationRig&)> close;
        bool asked;
        const char* kept;
    } cases[] = {
        {"window closed, Yes", [](CreationRig& r) { r.prompts.answers = {msgbox::Yes}, r.container().QueryClose(); },
         true, "1,1,4,4;"},
        {"destroyed without a close", [](CreationRig& r) { r.container().Terminate(); }, false, ""},
        {"put in design mode, then destroyed",
         [](CreationRig& r) { r.host.userMode = false, r.container().EnterDesignMode(), r.container().Terminate(); },
         false, ""},
    };
    for (const auto& c : cases) {
        CreationRig rig;
        rig.arm(true, "Open");
        rig.click(4, 4);
        const auto shown = rig.prompts.calls.size();
        c.close(rig);
        EXPECT_EQ(rig.prompts.calls.size() > shown, c.asked) << c.name;
        if (c.asked) {
            EXPECT_EQ(rig.prompts.calls.back().text,
                      "A new Track is still open and not saved.\r\rDo you want to save it before to exit ?");
        }
        rig.container().Terminate();
        EXPECT_EQ(rig.stored("Open"), c.kept) << c.name;
    }
}

// Ids of either mode's window menu; the rest of the mapping is shared with the window procedure.
TEST(Commands, WindowMenuIdsOfBothModesRunTheirCommands) {
    CreationRig rig;
    rig.commands.DispatchSystemCommand(1108);
    EXPECT_EQ(rig.prompts.calls.at(0).text, kByPoints);
    rig.commands.DispatchSystemCommand(1111);
    EXPECT_EQ(rig.control.MapStyle(), enMapStyle::ScaleSystem);
    rig.commands.DispatchSystemCommand(1113);
    EXPECT_EQ(rig.control.MapStyle(), enMapStyle::Map);
}

}  // namespace
}  // namespace tesmo::test
