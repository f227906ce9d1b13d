// The CSV import of tesmo-tracks, into a database emptied after each input: a file is
// imported whole or refused with a message, never half.
#include <cstdlib>
#include <fstream>
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
    std::ofstream(csv, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data),
                                                                  static_cast<std::streamsize>(size));
    std::ostringstream out, err;
    const int status = tool::Run({"import", db, csv, "Fuzzed"}, out, err);
    const auto rows = connection.OpenRecordSet("SELECT COUNT(*) AS n FROM TESMO")->Field("n").toDouble();
    // Imported: rows and a report; refused: a message and no row.
    if (status == 0 ? rows == 0 || out.str().empty() : rows != 0 || err.str().empty()) std::abort();
    connection.Execute("DELETE FROM TESMO");
    return 0;
}
