// The connection / record-set layer on real SQLite files.
#include <gtest/gtest.h>

#include <fstream>

#include "core/ControlState.h"
#include "fakes/Fakes.h"
#include "fakes/TrackDatabase.h"
#include "menus/Menus.h"
#include "sqlite/SqliteConnection.h"
#include "tesmo/Error.h"
#include "tracks/TrackStore.h"

namespace tesmo::test {
namespace {

// The number of the error opening a file gives, its text into `text`; the connection stays closed.
int OpenError(const std::string& path, std::string* text) {
    SqliteConnection connection;
    const int number = ErrorOf([&] { connection.Open(ConnectionStringFor(path)); }, text);
    EXPECT_EQ(connection.State(), Connection::kClosed);
    return number;
}

// A track store opening the database of a folder.
struct StoreRig : FakePorts {
    explicit StoreRig(const std::string& folder) {
        s.AppFolder = folder;
        store.OpenDatabase();
    }
    ControlState s;
    RecordingCommands target;
    Menus menus{s, windows, target};
    TrackStore store{s, ports, menus};
};

TEST(Connection, OpensOnlyAUsableDatabaseAndTheStoreSaysWhichOnce) {
    const std::string missing = NewFolder();
    const std::string junk = NewFolder();
    std::ofstream(junk + "Tesmo.mdb") << std::string(4096, 'x');
    const struct {
        std::string folder;
        int number;
        const char* text;
    } cases[] = {{missing, kEngineErrorBase + 14, "unable to open database file"},
                 {junk, kEngineErrorBase + 26, "file is not a database"}};
    for (const auto& c : cases) {
        std::string text;
        EXPECT_EQ(OpenError(c.folder + "Tesmo.mdb", &text), c.number);
        EXPECT_NE(text.find(c.text), std::string::npos) << text;
        StoreRig rig(c.folder);
        EXPECT_TRUE(rig.s.DbFailed);
        EXPECT_TRUE(rig.s.DbTried);
        ASSERT_EQ(rig.prompts.calls.size(), 1u) << "shown once";
        EXPECT_EQ(rig.prompts.calls[0].style, 16);
        EXPECT_NE(rig.prompts.calls[0].text.find(c.folder + "Tesmo.mdb"), std::string::npos);
        EXPECT_FALSE(rig.menus.State(Command::Exec).enabled) << "track commands disabled in map mode";
        rig.s.TrackName = "River";
        EXPECT_EQ(rig.store.CountBranches(rig.s.TrackName), 0);
        EXPECT_FALSE(rig.store.LoadBranch(rig.s.TrackName, 1));
    }
    EXPECT_FALSE(std::ifstream(missing + "Tesmo.mdb").good()) << "never created";
    std::string text;
    OpenError("", &text);
    EXPECT_NE(text.find("no data source"), std::string::npos);
    StoreRig later(missing);
    CreateTrackDatabase(missing + "Tesmo.mdb");
    later.store.OpenDatabase();
    EXPECT_FALSE(later.s.DbFailed) << "a later success clears the failure";
}

TEST(EscapeQuotes, DoublesEveryApostrophe) {
    const struct {
        const char* text;
        const char* escaped;
    } cases[] = {{"O'Neil's", "O''Neil''s"}, {"'", "''"}, {"end'", "end''"}, {"", ""}, {"plain", "plain"},
                 {"''", "''''"}};
    for (const auto& c : cases) EXPECT_EQ(TrackStore::EscapeQuotes(c.text), c.escaped) << c.text;
}

TEST(Connection, TheDataSourceOfAConnectionString) {
    const struct {
        const char* text;
        const char* path;
    } cases[] = {
        {"provider=x;DATA SOURCE=/a/b.mdb;user=y", "/a/b.mdb"},
        {"Data Source = /a/b.mdb ;", "/a/b.mdb"},
        {"data source=\"/home/u/maps;v2/Tesmo.mdb\";", "/home/u/maps;v2/Tesmo.mdb"},
        {"data source='/x=1/it''s.mdb';user=y", "/x=1/it's.mdb"},
        {"data source=\"/a \"\"b\"\"/c.mdb\"", "/a \"b\"/c.mdb"},
        {"user=y", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(SqliteConnection::DataSource(c.text), c.path) << c.text;
    for (const std::string path : {"/plain/Tesmo.mdb", "/odd;\"quoted\"='folder'/Tesmo.mdb"})
        EXPECT_EQ(SqliteConnection::DataSource(ConnectionStringFor(path)), path);
}

TEST(Connection, FailuresCarryTheEnginesNumberUnlessTheStatementDoesNotFit) {
    const std::string corrupt = DatabaseWith(std::vector<TrackRow>(2000, {1, "Long enough to fill pages", 1, 1, 1}));
    {
        std::fstream file(corrupt + "Tesmo.mdb", std::ios::in | std::ios::out | std::ios::binary);
        file.seekp(4096);  // the header of the table's first page
        file << std::string(100, '\x7f');
    }
    const struct {
        const char* name;
        std::string folder;
        const char* setting;
        const char* statement;
        int number;
        const char* text;
    } cases[] = {
        {"a value too few", DatabaseWith({}), "", "INSERT INTO TESMO VALUES (1,'A',1,2)", kEngineFailure, "5 columns"},
        {"read-only", DatabaseWith({}), "PRAGMA query_only=1", "INSERT INTO TESMO VALUES (1,'A',1,2,3)", 8,
         "readonly database"},
        {"full", DatabaseWith({}), "PRAGMA max_page_count=2", "INSERT INTO TESMO SELECT 1, printf('%.20000c', 'x'), 1, 1, 1",
         13, "full"},
        {"damaged", corrupt, "", "SELECT * FROM TESMO ORDER BY tratto", 11, "malformed"},
    };
    for (const auto& c : cases) {
        SqliteConnection connection;
        connection.Open(ConnectionStringFor(c.folder + "Tesmo.mdb"));
        if (*c.setting) connection.Execute(c.setting);
        try {
            if (std::string(c.statement).starts_with("SELECT"))
                connection.OpenRecordSet(c.statement);
            else
                connection.Execute(c.statement);
            ADD_FAILURE() << c.name << ": no failure";
        } catch (const Error& e) {
            // The engine's extended codes carry the primary one in their low byte.
            EXPECT_EQ(e.number() == kEngineFailure ? e.number() : (e.number() - kEngineErrorBase) & 0xFF, c.number)
                << c.name;
            EXPECT_NE(e.description().find(c.text), std::string::npos) << c.name << ": " << e.description();
        }
    }
}

TEST(Connection, StaticRecordSetsWithExactCountsAndFieldsByName) {
    const std::string folder = DatabaseWith({{1, "A", 1, 10, 20}, {2, "A", 1, 30.5f, 40}, {3, "B", 1, 0, 0}});
    SqliteConnection connection;
    connection.Open(ConnectionStringFor(folder + "Tesmo.mdb"));
    auto rows = connection.OpenRecordSet("SELECT ordinale,X,Y FROM tesmo WHERE tratto='A' ORDER BY ordinale");
    EXPECT_EQ(rows->RecordCount(), 2);
    rows->MoveLast();
    EXPECT_EQ(rows->Field("x").toDouble(), 30.5);
    EXPECT_EQ(rows->Field("ORDINALE").type(), VarType::Long);
    rows->MoveFirst();
    EXPECT_EQ(rows->Field("Y").toDouble(), 20);
    rows->MoveNext();
    rows->MoveNext();
    EXPECT_TRUE(rows->AtEnd());
    EXPECT_THROW(rows->Field("X"), Error);
    EXPECT_THROW(rows->MoveNext(), Error);
    rows->Close();
    EXPECT_THROW(rows->MoveFirst(), Error);

    auto none = connection.OpenRecordSet("SELECT ramo FROM TESMO WHERE tratto='none'");
    EXPECT_EQ(none->RecordCount(), 0);
    EXPECT_TRUE(none->AtEnd());
    EXPECT_THROW(none->MoveLast(), Error);
    EXPECT_THROW(connection.OpenRecordSet("SELECT nope FROM TESMO"), Error);
    EXPECT_THROW(connection.Execute("DELETE FROM TESMO; DELETE FROM TESMO"), Error) << "one statement at a time";
    EXPECT_EQ(CountRows(folder, "SELECT * FROM TESMO"), 3);
    EXPECT_THROW(connection.CommitTrans(), Error) << "no transaction is open";
}

}  // namespace
}  // namespace tesmo::test
