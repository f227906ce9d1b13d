// The connection / record-set layer on real SQLite files.
#include <gtest/gtest.h>

#include <fstream>

#include "fakes/Fakes.h"
#include "fakes/TrackDatabase.h"
#include "sqlite/SqliteConnection.h"
#include "tesmo/Error.h"

namespace tesmo::test {
namespace {

struct OpenFailure {
    int number = 0;
    std::string description;
};

OpenFailure OpenError(const std::string& path) {
    SqliteConnection connection;
    try {
        connection.Open(ConnectionStringFor(path));
    } catch (const Error& e) {
        EXPECT_EQ(connection.State(), Connection::kClosed);
        return {e.number(), e.description()};
    }
    return {};
}

TEST(Connection, OpensOnlyAnExistingDatabase) {
    const std::string folder = NewFolder();
    const OpenFailure missing = OpenError(folder + "Tesmo.mdb");
    EXPECT_EQ(missing.number, kEngineErrorBase + 14);
    EXPECT_NE(missing.description.find("unable to open database file"), std::string::npos);
    EXPECT_FALSE(std::ifstream(folder + "Tesmo.mdb").good()) << "never created";
    std::ofstream(folder + "junk.mdb") << "this is not a database, just some text that is long enough to look like a page";
    const OpenFailure junk = OpenError(folder + "junk.mdb");
    EXPECT_EQ(junk.number, kEngineErrorBase + 26);
    EXPECT_NE(junk.description.find("file is not a database"), std::string::npos);
    EXPECT_NE(OpenError("").description.find("no data source"), std::string::npos);
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
        {"no such table", DatabaseWith({}), "", "SELECT * FROM nowhere", kEngineFailure, "no such table"},
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
}

TEST(Connection, NestedTransactions) {
    const std::string folder = DatabaseWith({{1, "A", 1, 0, 0}});
    SqliteConnection connection;
    connection.Open(ConnectionStringFor(folder + "Tesmo.mdb"));
    connection.BeginTrans();
    connection.Execute("INSERT INTO TESMO VALUES (2,'B',1,0,0)");
    connection.BeginTrans();
    connection.Execute("DELETE FROM TESMO WHERE tratto ='A'");
    connection.RollbackTrans();
    EXPECT_EQ(connection.OpenRecordSet("SELECT * FROM TESMO")->RecordCount(), 2) << "inner rollback only";
    connection.BeginTrans();
    connection.Execute("DELETE FROM TESMO WHERE tratto ='A'");
    connection.CommitTrans();
    EXPECT_EQ(CountRows(folder, "SELECT * FROM TESMO"), 1) << "others see nothing before the outer commit";
    connection.RollbackTrans();
    EXPECT_EQ(connection.OpenRecordSet("SELECT * FROM TESMO WHERE tratto='A'")->RecordCount(), 1);
    EXPECT_THROW(connection.CommitTrans(), Error) << "no transaction is open";
}

}  // namespace
}  // namespace tesmo::test
