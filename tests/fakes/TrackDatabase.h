#pragma once

#include <string>
#include <vector>

namespace tesmo::test {

struct TrackRow {
    int ordinale;
    std::string tratto;
    int ramo;
    float x, y;
};

// A new folder holding a Tesmo.mdb with these rows; returns the folder ("/" at the end).
std::string DatabaseWith(const std::vector<TrackRow>& rows);
// Runs a statement on the database in a folder.
void RunStatement(const std::string& folder, const std::string& statement);
// How many rows a query on the database in a folder gives.
int CountRows(const std::string& folder, const std::string& query);

}  // namespace tesmo::test
