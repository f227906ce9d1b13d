// The track store's statements, on real SQLite files.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#include "core/ControlState.h"
#include "fakes/Fakes.h"
#include "fakes/TrackDatabase.h"
#include "menus/Menus.h"
#include "tesmo/Error.h"
#include "tracks/TrackStore.h"

namespace tesmo::test {
namespace {

// A track store on a database folder, with the state it works on.
struct StoreRig : FakePorts {
    explicit StoreRig(const std::string& folder) {
        s.AppFolder = folder;
        store.OpenDatabase();
    }
    std::vector<std::pair<double, double>> loaded() const {
        std::vector<std::pair<double, double>> points;
        for (std::size_t i = 0; i < s.PointsX.size(); ++i) points.emplace_back(s.PointsX[i], s.PointsY[i]);
        return points;
    }
    ControlState s;
    RecordingCommands target;
    Menus menus{s, windows, target};
    TrackStore store{s, ports, menus};
};

const std::vector<TrackRow> kTracks = {
    {5, "River", 1, 100, 100}, {6, "River", 1, 200, 150}, {7, "River", 1, 300, 120},
    {40, "River", 2, 500, 500}, {57, "River", 2, 600, 550}, {1, "O'Hara", 1, 1, 2},
    {2, "O'Hara", 1, 3, 4},     {9, "Alps", 1, 7, 7},      {10, "Alps", 1, 8, 8},
};

TEST(EscapeQuotes, DoublesEveryApostrophe) {
    const struct {
        const char* text;
        const char* escaped;
    } cases[] = {{"O'Neil's", "O''Neil''s"}, {"'", "''"}, {"end'", "end''"}, {"", ""}, {"plain", "plain"},
                 {"''", "''''"}};
    for (const auto& c : cases) EXPECT_EQ(TrackStore::EscapeQuotes(c.text), c.escaped) << c.text;
}

TEST(TrackStore, ListsCountsAndLoads) {
    StoreRig rig(DatabaseWith(kTracks));
    ASSERT_FALSE(rig.s.DbFailed);
    EXPECT_EQ(rig.store.CountTracks(), 3);
    EXPECT_EQ(rig.store.ListTracks(), (std::vector<std::string>{"Alps", "O'Hara", "River"}));
    rig.s.TrackOpen = true;
    rig.s.NewTrackName = "O'Hara";
    EXPECT_EQ(rig.store.ListTracks(), (std::vector<std::string>{"Alps", "River"})) << "the track being created";
    rig.s.TrackOpen = false;

    rig.s.TrackName = "River";
    EXPECT_EQ(rig.store.CountBranches(rig.s.TrackName), 2);
    ASSERT_TRUE(rig.store.LoadBranch(rig.s.TrackName, 2));
    EXPECT_EQ(rig.loaded(), (std::vector<std::pair<double, double>>{{500, 500}, {600, 550}}));
    ASSERT_TRUE(rig.store.LoadBranch(rig.s.TrackName, 1));
    EXPECT_EQ(rig.loaded().size(), 3u);
    EXPECT_EQ(rig.ui.yields, 5) << "a yield after every row";

    rig.s.TrackName = "O'Hara";
    EXPECT_EQ(rig.store.CountBranches(rig.s.TrackName), 1);
    ASSERT_TRUE(rig.store.LoadBranch(rig.s.TrackName, 1));
    EXPECT_EQ(rig.loaded().front(), (std::pair<double, double>{1, 2}));
}

TEST(TrackStore, AMissingTrackInBothModes) {
    for (int mapStyle : {0, 1}) {
        StoreRig rig(DatabaseWith(kTracks));
        rig.s.MapStyle = mapStyle;
        rig.s.TrackName = "Nowhere";
        rig.s.Drawing = rig.s.Paused = true;
        EXPECT_EQ(rig.store.CountBranches(rig.s.TrackName), 1);
        EXPECT_FALSE(rig.store.LoadBranch(rig.s.TrackName, 1));
        std::string expected = "Track name:  ''Nowhere''\r\rThis Track doesn't exist.";
        if (mapStyle == 1) expected += "\r\rTo execute a track drawing set 'MapStyle' = 0";
        EXPECT_EQ(rig.s.ControlError, expected);
        EXPECT_FALSE(rig.s.Drawing);
        EXPECT_FALSE(rig.s.Paused);
    }
}

TEST(TrackStore, LoadingStopsAtAStopRequestKeepingTheFullSize) {
    StoreRig rig(DatabaseWith(kTracks));
    rig.s.TrackName = "River";
    rig.ui.onYield = [&] { rig.s.FlagExit = true; };
    ASSERT_TRUE(rig.store.LoadBranch(rig.s.TrackName, 1));
    EXPECT_EQ(rig.loaded(), (std::vector<std::pair<double, double>>{{100, 100}, {0, 0}, {0, 0}}));
}

TEST(TrackStore, NextBranchContinuesTheOrdinals) {
    StoreRig rig(DatabaseWith(kTracks));
    const auto river = rig.store.FindNextBranch("River");
    EXPECT_EQ(river.branch, 3);
    EXPECT_EQ(river.lastOrdinal, 57);
    const auto fresh = rig.store.FindNextBranch("New one");
    EXPECT_EQ(fresh.branch, 1);
    EXPECT_EQ(fresh.lastOrdinal, 0);
}

TEST(TrackStore, InsertedRowsAreVisibleInTheTransactionAndGoneAfterRollback) {
    const std::string folder = DatabaseWith(kTracks);
    StoreRig rig(folder);
    rig.s.Connection->BeginTrans();
    rig.store.InsertPoint(58, "River", 3, 12.5f, 1e7f);
    rig.store.InsertPoint(59, "River", 3, -3, 0.1f);
    rig.s.TrackName = "River";
    EXPECT_EQ(rig.store.CountBranches(rig.s.TrackName), 3);
    ASSERT_TRUE(rig.store.LoadBranch(rig.s.TrackName, 3));
    EXPECT_EQ(rig.loaded(), (std::vector<std::pair<double, double>>{{12.5, 1e7}, {-3, 0.1}}));

    rig.s.TrackName = "Alps";
    EXPECT_TRUE(rig.store.DeleteTrack()) << "a delete nests inside the open transaction";
    EXPECT_EQ(rig.store.ListTracks(), (std::vector<std::string>{"O'Hara", "River"}));

    rig.s.Connection->RollbackTrans();
    rig.s.TrackName = "River";
    EXPECT_EQ(rig.store.CountBranches(rig.s.TrackName), 2);
    EXPECT_EQ(CountRows(folder, "SELECT * FROM TESMO"), static_cast<int>(kTracks.size()));
}

TEST(TrackStore, NamesAreStoredListedLoadedAndDeletedExactly) {
    const std::string names[] = {"O'Neil's \"quoted\" way", "Strada dell'Étoile — 東京", std::string(10000, 'n'),
                                 "'; DROP TABLE TESMO; --", "x' OR '1'='1", " ", "%_*"};
    std::vector<TrackRow> rows = {{1, "Keep", 1, 1, 1}, {2, "Keep", 1, 2, 2}};
    int ordinal = 10;
    for (const auto& name : names) {
        rows.push_back({++ordinal, name, 1, static_cast<float>(ordinal), 0});
        rows.push_back({++ordinal, name, 1, static_cast<float>(ordinal), 5});
    }
    const std::string folder = DatabaseWith(rows);
    StoreRig rig(folder);
    const auto listed = rig.store.ListTracks();
    EXPECT_EQ(listed.size(), std::size(names) + 1);
    for (const auto& name : names) {
        EXPECT_NE(std::find(listed.begin(), listed.end(), name), listed.end()) << name.substr(0, 30);
        rig.s.TrackName = name;
        ASSERT_TRUE(rig.store.LoadBranch(rig.s.TrackName, 1)) << name.substr(0, 30);
        EXPECT_EQ(rig.loaded().size(), 2u);
        ASSERT_TRUE(rig.store.DeleteTrack());
        EXPECT_FALSE(rig.store.LoadBranch(rig.s.TrackName, 1));
    }
    EXPECT_EQ(rig.store.ListTracks(), std::vector<std::string>{"Keep"});
    EXPECT_EQ(CountRows(folder, "SELECT * FROM TESMO WHERE tratto='Keep'"), 2);
}

TEST(TrackStore, AFailedDeleteLeavesTheDatabaseUnchanged) {
    const std::string folder = DatabaseWith(kTracks);
    RunStatement(folder, "CREATE TRIGGER refuse BEFORE DELETE ON TESMO WHEN old.ordinale = 40 "
                "BEGIN SELECT RAISE(ABORT, 'this row stays'); END");
    StoreRig rig(folder);
    rig.s.TrackName = "River";
    EXPECT_FALSE(rig.store.DeleteTrack());
    EXPECT_EQ(rig.s.ControlError, "this row stays");
    EXPECT_EQ(CountRows(folder, "SELECT * FROM TESMO WHERE tratto='River'"), 5);
    EXPECT_TRUE(rig.prompts.calls.empty()) << "nothing is shown";

    rig.store.BeginTrans();
    rig.store.InsertPoint(58, "River", 3, 1, 1);
    EXPECT_FALSE(rig.store.DeleteTrack());
    rig.store.CommitTrans();
    EXPECT_EQ(CountRows(folder, "SELECT * FROM TESMO WHERE tratto='River'"), 6)
        << "a delete failing inside an open creation keeps the creation's rows";
}

TEST(OpenDatabase, UnusableFilesSetDbFailedAndShowTheEnginesText) {
    const std::string missing = NewFolder();
    const std::string junk = NewFolder();
    {
        std::ofstream out(junk + "Tesmo.mdb");
        out << std::string(4096, 'x');
    }
    for (const std::string& folder : {missing, junk}) {
        StoreRig rig(folder);
        EXPECT_TRUE(rig.s.DbFailed);
        EXPECT_TRUE(rig.s.DbTried);
        ASSERT_EQ(rig.prompts.calls.size(), 1u) << "shown once";
        EXPECT_EQ(rig.prompts.calls[0].style, 16);
        EXPECT_NE(rig.prompts.calls[0].text.find(folder + "Tesmo.mdb"), std::string::npos);
        EXPECT_FALSE(rig.menus.State(Command::Exec).enabled) << "track commands disabled in map mode";
        rig.s.TrackName = "River";
        EXPECT_EQ(rig.store.CountBranches(rig.s.TrackName), 0);
        EXPECT_FALSE(rig.store.LoadBranch(rig.s.TrackName, 1));
    }
    StoreRig later(missing);
    CreateTrackDatabase(missing + "Tesmo.mdb");
    later.store.OpenDatabase();
    EXPECT_FALSE(later.s.DbFailed) << "a later success clears the failure";
}

TEST(OpenDatabase, ATableWithoutTheRightColumnsFailsAtEachStatement) {
    const std::string folder = NewFolder();
    CreateTrackDatabase(folder + "Tesmo.mdb");
    RunStatement(folder, "DROP TABLE TESMO");
    RunStatement(folder, "CREATE TABLE TESMO (ordinale INTEGER, tratto TEXT, ramo SMALLINT, X REAL)");
    StoreRig rig(folder);
    EXPECT_FALSE(rig.s.DbFailed);
    rig.s.TrackName = "River";
    EXPECT_EQ(rig.store.CountBranches(rig.s.TrackName), 1);
    EXPECT_FALSE(rig.store.LoadBranch(rig.s.TrackName, 1));
    EXPECT_EQ(ErrorOf([&] { rig.store.InsertPoint(1, "River", 1, 0, 0); }), kEngineFailure)
        << "the generic failure creation reports as wrong fields";
}

}  // namespace
}  // namespace tesmo::test
