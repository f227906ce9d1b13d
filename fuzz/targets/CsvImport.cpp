// The CSV import of tesmo-tracks, into a database that holds one branch of the same name
// (numbered low, or close to the last branch number there can be): a file is imported whole
// after it, as reported, or refused with a message and nothing added.
#include <cstdlib>
#include <sstream>

#include "FuzzTarget.h"
#include "TrackTool.h"
#include "sqlite/SqliteConnection.h"
#include "targets/TempFolder.h"

TESMO_FUZZ_TARGET(CsvImport) {
    using namespace tesmo;
    static const std::string db = (fuzz::TempFolder() / "Tesmo.mdb").string();
    static const std::string csv = (fuzz::TempFolder() / "input.csv").string();
    static SqliteConnection connection;
    if (connection.State() == Connection::kClosed) {
        CreateTrackDatabase(db);
        connection.Open(ConnectionStringFor(db));
    }
    connection.Execute("DELETE FROM TESMO");
    connection.Execute(std::string("INSERT INTO TESMO VALUES (9, 'Fuzzed', ") + (size % 2 ? "32766" : "5") + ", 0, 0)");
    fuzz::WriteFile(csv, {reinterpret_cast<const char*>(data), size});
    std::ostringstream out, err;
    const int status = tool::Run({"import", db, csv, "Fuzzed"}, out, err);
    const auto rows = static_cast<long>(connection.OpenRecordSet("SELECT COUNT(*) AS n FROM TESMO")->Field("n").toDouble());
    long reported = -1;
    std::istringstream(out.str()).ignore(9) >> reported;  // "imported N points..."
    if (status == 0 ? rows != 1 + reported : rows != 1 || err.str().empty()) std::abort();
    return 0;
}
