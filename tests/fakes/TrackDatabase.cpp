#include "fakes/TrackDatabase.h"

#include "fakes/Fakes.h"
#include "sqlite/SqliteConnection.h"
#include "tracks/TrackStore.h"

namespace tesmo::test {

std::string DatabaseWith(const std::vector<TrackRow>& rows) {
    const std::string folder = NewFolder();
    CreateTrackDatabase(folder + "Tesmo.mdb");
    SqliteConnection connection;
    connection.Open(ConnectionStringFor(folder + "Tesmo.mdb"));
    connection.BeginTrans();
    for (const TrackRow& r : rows)
        connection.Execute(
            TrackStore::InsertStatement(r.ordinale, r.tratto, static_cast<std::int16_t>(r.ramo), r.x, r.y));
    connection.CommitTrans();
    return folder;
}

void RunStatement(const std::string& folder, const std::string& statement) {
    SqliteConnection connection;
    connection.Open(ConnectionStringFor(folder + "Tesmo.mdb"));
    connection.Execute(statement);
}

int CountRows(const std::string& folder, const std::string& query) {
    SqliteConnection connection;
    connection.Open(ConnectionStringFor(folder + "Tesmo.mdb"));
    return connection.OpenRecordSet(query)->RecordCount();
}

}  // namespace tesmo::test
