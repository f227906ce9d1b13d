#include "TrackTool.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <ostream>
#include <sstream>

#include "pg/PgConnection.h"
#include "pg/StoreEngine.h"
#include "sqlite/SqliteConnection.h"
#include "sqlite/TrackIndex.h"
#include "support/Conversions.h"
#include "support/TrackName.h"
#include "tesmo/Error.h"
#include "tracks/TrackStore.h"
#include "tracks/Transaction.h"

namespace tesmo::tool {
namespace {

constexpr const char* kUsage =
    "usage: tesmo-tracks COMMAND ...\n"
    "\n"
    "  init STORE             create an empty track database (on a server: the table and its\n"
    "                         index, if missing)\n"
    "  list STORE             print each track with its number of branches and points\n"
    "  stats STORE            print the numbers of rows and tracks, the size in bytes (on a\n"
    "                         server: of the table and its indexes) and whether the index\n"
    "                         that finds a track's rows is there\n"
    "  export STORE NAME      write a track as CSV (ramo,ordinale,X,Y) to standard output\n"
    "  import STORE CSV NAME  add the branches of a CSV file (ramo,ordinale,X,Y) to a track,\n"
    "                         after its existing branches; all or nothing\n"
    "  --help                 show this text\n"
    "\n"
    "STORE is a database file, or a PostgreSQL server's connection string\n"
    "(postgresql://user@host/db or \"host=... dbname=...\"; a password comes from\n"
    "PGPASSWORD or ~/.pgpass).\n";

// A failure to report to the user, with the exit status it gives.
struct Failure {
    std::string message;
};

struct CsvPoint {
    long branch;
    long ordinal;
    float x;
    float y;
};

std::string Trim(const std::string& s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

template <typename T>
bool Parse(const std::string& text, T& value) {
    const std::string t = Trim(text);
    const char* begin = t.data() + (!t.empty() && t[0] == '+');
    const auto result = std::from_chars(begin, t.data() + t.size(), value);
    return !t.empty() && result.ec == std::errc{} && result.ptr == t.data() + t.size();
}

std::vector<CsvPoint> ReadCsv(const std::string& path) {
    std::ifstream in(path);
    if (!in) throw Failure{path + ": cannot be read"};
    std::vector<CsvPoint> points;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        // Spreadsheets often save UTF-8 with a byte-order mark.
        if (number == 1 && line.starts_with("\xEF\xBB\xBF")) line.erase(0, 3);
        line = Trim(line);
        if (line.empty()) continue;
        std::vector<std::string> fields;
        std::stringstream parts(line);
        for (std::string field; std::getline(parts, field, ',');) fields.push_back(field);
        if (number == 1 && !fields.empty() && Trim(fields[0]) == "ramo") continue;
        const std::string where = path + ":" + std::to_string(number) + ": ";
        if (fields.size() != 4) throw Failure{where + "expected 4 fields (ramo,ordinale,X,Y), found " +
                                              std::to_string(fields.size())};
        CsvPoint p{};
        if (!Parse(fields[0], p.branch) || p.branch < 1 || p.branch > 32767)
            throw Failure{where + "ramo must be a whole number from 1 to 32767"};
        if (!Parse(fields[1], p.ordinal) || p.ordinal < INT32_MIN || p.ordinal > INT32_MAX)
            throw Failure{where + "ordinale must be a 32-bit whole number"};
        if (!Parse(fields[2], p.x) || !Parse(fields[3], p.y) || !std::isfinite(p.x) || !std::isfinite(p.y))
            throw Failure{where + "X and Y must be numbers"};
        points.push_back(p);
    }
    if (points.empty()) throw Failure{path + ": no points"};
    return points;
}

std::unique_ptr<Connection> OpenFile(const std::string& store) {
    return StoreEngine::Open(store);
}

int Init(const std::vector<std::string>& args, std::ostream& out) {
    const std::string& store = args.at(1);
    if (!StoreEngine::IsServer(store)) {
        CreateTrackDatabase(store);
        out << "created " << store << "\n";
        return 0;
    }
    // Unquoted names, which the server folds to lower case as the control's statements do;
    // X and Y in 8 bytes, as SQLite keeps them (the server's REAL has 4), so that a
    // coordinate reads back as the control wrote it.
    const auto db = OpenFile(store);
    db->Execute(
        "CREATE TABLE IF NOT EXISTS TESMO (ordinale INTEGER, tratto TEXT, ramo SMALLINT, X DOUBLE PRECISION, "
        "Y DOUBLE PRECISION)");
    db->Execute(kCreateTrackIndex);
    out << "the server's track table is ready\n";  // the connection string may hold a password
    return 0;
}

int List(const std::vector<std::string>& args, std::ostream& out) {
    const auto db = OpenFile(args.at(1));
    auto rows = db->OpenRecordSet(
        "SELECT tratto, COUNT(DISTINCT ramo) AS branches, COUNT(*) AS points FROM TESMO GROUP BY tratto ORDER BY tratto");
    for (rows->MoveFirst(); !rows->AtEnd(); rows->MoveNext())
        out << rows->Field("tratto").toString() << "\t" << rows->Field("branches").toString() << " branches\t"
            << rows->Field("points").toString() << " points\n";
    return 0;
}

int Stats(const std::vector<std::string>& args, std::ostream& out) {
    const std::string& store = args.at(1);
    const bool server = StoreEngine::IsServer(store);
    const auto db = OpenFile(store);
    // Through a double: a count or a size may pass 32 bits.
    const auto number = [&db](const std::string& query) {
        return std::to_string(static_cast<long long>(db->OpenRecordSet(query)->Field("n").toDouble()));
    };
    const std::string rows = number("SELECT COUNT(*) AS n FROM TESMO");
    const std::string tracks = number("SELECT COUNT(*) AS n FROM (SELECT DISTINCT tratto FROM TESMO) AS names");
    const std::string size = server ? number("SELECT pg_total_relation_size('tesmo') AS n")
                                    : std::to_string(std::filesystem::file_size(store));
    const char* indexFound = server ? PgConnection::kTrackIndexFound
                                    : "SELECT 1 FROM sqlite_master WHERE type='index' AND name='TESMO_TRACK' COLLATE "
                                      "NOCASE AND tbl_name='TESMO' COLLATE NOCASE";
    const bool indexed = db->OpenRecordSet(indexFound)->RecordCount() > 0;
    out << "rows\t" << rows << "\ntracks\t" << tracks << "\nsize\t" << size << " bytes\nindex\t"
        << (indexed ? "yes" : "no") << "\n";
    return 0;
}

int Export(const std::vector<std::string>& args, std::ostream& out) {
    const std::string name = TrackNameOf(args.at(2));
    const auto db = OpenFile(args.at(1));
    auto rows = db->OpenRecordSet("SELECT CAST(ramo AS INTEGER) AS ramo,CAST(ordinale AS INTEGER) AS ordinale,X,Y "
                                  "FROM TESMO WHERE tratto=" + TrackStore::Quoted(name) +
                                 " ORDER BY CAST(ramo AS INTEGER), CAST(ordinale AS INTEGER)");
    if (rows->RecordCount() == 0) throw Failure{"no track named '" + name + "'"};
    // Written whole or not at all: a row that fails half-way leaves no partial CSV behind.
    std::ostringstream csv;
    csv << "ramo,ordinale,X,Y\n";
    for (rows->MoveFirst(); !rows->AtEnd(); rows->MoveNext())
        csv << rows->Field("ramo").toString() << "," << rows->Field("ordinale").toString() << ","
            << TrackStore::CoordinateText(RoundToSingle(rows->Field("X").toDouble())) << ","
            << TrackStore::CoordinateText(RoundToSingle(rows->Field("Y").toDouble())) << "\n";
    out << csv.str();
    return 0;
}

int Import(const std::vector<std::string>& args, std::ostream& out) {
    const std::string name = TrackNameOf(args.at(3));
    if (name.empty()) throw Failure{"the track name is empty"};
    std::vector<CsvPoint> points = ReadCsv(args.at(2));
    std::stable_sort(points.begin(), points.end(), [](const CsvPoint& a, const CsvPoint& b) {
        return a.branch != b.branch ? a.branch < b.branch : a.ordinal < b.ordinal;
    });

    const auto db = OpenFile(args.at(1));
    Transaction transaction(*db);
    db->LockTrack(name);
    long highest = 0, ordinal = 0;
    // As numbers, also in a table whose columns hold text.
    auto branches = db->OpenRecordSet(
        "SELECT MAX(CAST(ramo AS INTEGER)) AS high, MAX(CAST(ordinale AS INTEGER)) AS last FROM TESMO WHERE tratto=" +
        TrackStore::Quoted(name) + " AND CAST(ramo AS INTEGER)=(SELECT MAX(CAST(ramo AS INTEGER)) FROM TESMO WHERE tratto=" +
        TrackStore::Quoted(name) + ")");
    if (!branches->AtEnd() && !branches->Field("high").isEmpty()) {
        highest = static_cast<long>(branches->Field("high").toDouble());
        ordinal = static_cast<long>(branches->Field("last").toDouble());
    }
    std::map<long, long> newBranch;
    for (const CsvPoint& p : points) newBranch.emplace(p.branch, 0);
    long next = highest;
    for (auto& [csvBranch, branch] : newBranch) branch = ++next;
    if (next > 32767) throw Failure{"a track has at most 32767 branches"};
    for (const CsvPoint& p : points) {
        if (ordinal == INT32_MAX) throw Failure{"the ordinals would pass the 32-bit limit"};
        db->Execute(TrackStore::InsertStatement(static_cast<std::int32_t>(++ordinal), name,
                                                static_cast<std::int16_t>(newBranch[p.branch]), p.x, p.y));
    }
    transaction.Commit();
    out << "imported " << points.size() << " points into '" << name << "' as branch"
        << (newBranch.size() > 1 ? "es " + std::to_string(highest + 1) + "-" : std::string(" ")) << next << "\n";
    return 0;
}

}  // namespace

int Run(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const std::string command = args.empty() ? "" : args[0];
    if (command == "--help" || command == "-h" || command == "help") {
        out << kUsage;
        return 0;
    }
    const struct {
        const char* name;
        std::size_t arguments;
        int (*run)(const std::vector<std::string>&, std::ostream&);
    } commands[] = {{"init", 1, Init},     {"list", 1, List},     {"stats", 1, Stats},
                    {"export", 2, Export}, {"import", 3, Import}};
    for (const auto& c : commands) {
        if (command != c.name) continue;
        if (args.size() != c.arguments + 1) {
            err << "tesmo-tracks " << command << ": wrong number of arguments\n" << kUsage;
            return 2;
        }
        try {
            return c.run(args, out);
        } catch (const Failure& f) {
            err << "tesmo-tracks " << command << ": " << f.message << "\n";
        } catch (const Error& e) {
            err << "tesmo-tracks " << command << ": " << e.description() << "\n";
        }
        return 1;
    }
    err << (command.empty() ? std::string("tesmo-tracks: no command given\n")
                            : "tesmo-tracks: unknown command '" + command + "'\n")
        << kUsage;
    return 2;
}

}  // namespace tesmo::tool
