// The connection / record-set layer on real SQLite files.
#include <gtest/gtest.h>

#include <fstream>

#include "fakes/Fakes.h"
#include "fakes/TrackDatabase.h"
#include "sqlite/SqliteConnection.h"
#include "tesmo/Error.h"

namespace tesmo::test {
namespace {

std::string OpenError(const std::string& path) {
    SqliteConnection connection;
    try {
        connection.Open("Data Source = " + path + " ;");
    } catch (const Error& e) {
        EXPECT_EQ(e.number(), kEngineFailure);
        EXPECT_EQ(connection.State(), Connection::kClosed);
        return e.description();
    }
    return {};
}

TEST(Connection, OpensOnlyAnExistingDatabase) {
    const std::string folder = NewFolder();
    EXPECT_NE(OpenError(folder + "Tesmo.mdb").find("unable to open database file"), std::string::npos);
    EXPECT_FALSE(std::ifstream(folder + "Tesmo.mdb").good()) << "never created";
    std::ofstream(folder + "junk.mdb") << "this is not a database, just some text that is long enough to look like a page";
    EXPECT_NE(OpenError(folder + "junk.mdb").find("file is not a database"), std::string::npos);
    EXPECT_NE(OpenError("").find("no data source"), std::string::npos);
    EXPECT_EQ(SqliteConnection::DataSource("provider=x;DATA SOURCE=/a/b.mdb;user=y"), "/a/b.mdb");
}

TEST(Connection, StaticRecordSetsWithExactCountsAndFieldsByName) {
    const std::string folder = DatabaseWith({{1, "A", 1, 10, 20}, {2, "A", 1, 30.5f, 40}, {3, "B", 1, 0, 0}});
    SqliteConnection connection;
    connection.Open("data source=" + folder + "Tesmo.mdb;");
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
    connection.Open("data source=" + folder + "Tesmo.mdb;");
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
