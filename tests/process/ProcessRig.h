#pragma once

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <map>
#include <string>
#include <vector>

#include "sqlite/SqliteConnection.h"

namespace tesmo {

// A track database in a folder of its own, read back with a connection of its own.
class Database {
public:
    Database() { CreateTrackDatabase(path()); }
    QString folder() const { return dir_.path(); }
    std::string path() const { return dir_.filePath(QStringLiteral("Tesmo.mdb")).toStdString(); }

    std::string Integrity() const { return Column("PRAGMA integrity_check", "integrity_check").front(); }
    // Each track as "points:first-last ordinal:branches".
    std::map<std::string, std::string> Tracks() const {
        std::map<std::string, std::string> tracks;
        for (const std::string& row :
             Column("SELECT tratto || char(9) || COUNT(*) || ':' || MIN(ordinale) || '-' || MAX(ordinale) || ':' || "
                    "group_concat(DISTINCT ramo) AS v FROM TESMO GROUP BY tratto",
                    "v")) {
            const auto tab = row.find('\t');
            tracks[row.substr(0, tab)] = row.substr(tab + 1);
        }
        return tracks;
    }
    void Add(const std::string& name, int points) const {
        SqliteConnection c;
        c.Open(ConnectionStringFor(path()));
        c.Execute("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " + std::to_string(points) +
                  ") INSERT INTO TESMO SELECT i, '" + name + "', 1, i, 7 FROM n");
    }

private:
    std::vector<std::string> Column(const std::string& query, const std::string& field) const {
        SqliteConnection c;
        c.Open(ConnectionStringFor(path()));
        std::vector<std::string> values;
        auto rows = c.OpenRecordSet(query);
        for (; !rows->AtEnd(); rows->MoveNext()) values.push_back(rows->Field(field).toString());
        return values;
    }
    QTemporaryDir dir_;
};

}  // namespace tesmo
