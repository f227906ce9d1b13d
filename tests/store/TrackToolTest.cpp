// tesmo-tracks: its commands, its messages and its all-or-nothing import.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "TrackTool.h"
#include "fakes/Fakes.h"
#include "fakes/TrackDatabase.h"

namespace tesmo::test {
namespace {

struct Outcome {
    int status;
    std::string out, err;
};

Outcome Tool(const std::vector<std::string>& args) {
    std::ostringstream out, err;
    const int status = tool::Run(args, out, err);
    return {status, out.str(), err.str()};
}

std::string WriteFile(const std::string& folder, const std::string& name, const std::string& text) {
    std::ofstream(folder + name) << text;
    return folder + name;
}

TEST(TrackTool, CreatesImportsListsAndExports) {
    const std::string folder = NewFolder();
    // A ";" in the path is part of the file name, not the end of the connection string.
    const std::string db = folder + "maps;v2.mdb";
    ASSERT_EQ(Tool({"init", db}).status, 0);
    const std::string csv = WriteFile(folder, "a.csv", "\xEF\xBB\xBFramo,ordinale,X,Y\n2,9,30,40\n1,3,10,20\n1,4,15.5,25\n");
    ASSERT_EQ(Tool({"import", db, csv, "Bay of O'Neil"}).status, 0) << "a byte-order mark is accepted";
    ASSERT_EQ(Tool({"import", db, csv, " Bay of O'Neil "}).status, 0);
    EXPECT_EQ(Tool({"list", db}).out, "Bay of O'Neil\t4 branches\t6 points\n");
    EXPECT_EQ(Tool({"export", db, "  Bay of O'Neil "}).out,
              "ramo,ordinale,X,Y\n1,1,10,20\n1,2,15.5,25\n2,3,30,40\n3,4,10,20\n3,5,15.5,25\n4,6,30,40\n")
        << "new branches after the existing ones, ordinals continuing";
    EXPECT_FALSE(std::ifstream(folder + "maps").good());

    // What imports exports: the largest Singles, and names trimmed as the control trims them.
    const std::string edges = WriteFile(folder, "edges.csv", "1,1,3.4028235e38,-3.4028235e38\n");
    ASSERT_EQ(Tool({"import", db, edges, "\u00A0Edge\u3000\t"}).status, 0);
    EXPECT_EQ(Tool({"export", db, "Edge"}).out, "ramo,ordinale,X,Y\n1,1,3.4028235e+38,-3.4028235e+38\n");

    // A relative name starting with "file:" is a file name too, not a URI.
    const auto cwd = std::filesystem::current_path();
    std::filesystem::current_path(folder);
    EXPECT_EQ(Tool({"init", "file:x.mdb?mode=memory"}).status, 0);
    std::filesystem::current_path(cwd);
    EXPECT_TRUE(std::filesystem::exists(folder + "file:x.mdb?mode=memory"));
}

TEST(TrackTool, BadInputIsRefusedClearlyAndChangesNothing) {
    const std::string folder = DatabaseWith({{1, "Keep", 1, 1, 1}, {INT32_MAX - 1, "Full", 1, 1, 1}});
    RunStatement(folder, "INSERT INTO TESMO VALUES (1,'Bad',1,2,3), (2,'Bad',1,'not a number',3)");
    const std::string db = folder + "Tesmo.mdb";
    const struct {
        std::vector<std::string> args;
        int status;
        const char* message;
    } cases[] = {
        {{}, 2, "no command"},
        {{"frob"}, 2, "unknown command 'frob'"},
        {{"list"}, 2, "wrong number of arguments"},
        {{"init", db}, 1, "already exists"},
        {{"list", folder + "none.mdb"}, 1, "unable to open database file"},
        {{"export", db, "Nope"}, 1, "no track named 'Nope'"},
        {{"import", db, WriteFile(folder, "b.csv", "1,1,5,5\n1,2,abc,5\n"), "New"}, 1, "b.csv:2: X and Y must be numbers"},
        {{"import", db, WriteFile(folder, "c.csv", "1,1,5\n"), "New"}, 1, "expected 4 fields"},
        {{"import", db, WriteFile(folder, "d.csv", "0,1,5,5\n"), "New"}, 1, "ramo must be"},
        {{"import", db, WriteFile(folder, "e.csv", "ramo,ordinale,X,Y\n"), "New"}, 1, "no points"},
        {{"import", db, WriteFile(folder, "f.csv", "1,1,5,5\n"), "   "}, 1, "the track name is empty"},
        {{"import", db, folder + "f.csv", "\u3164\uFE0F\u034F"}, 1, "the track name is empty"},
        {{"import", db, folder + "missing.csv", "New"}, 1, "cannot be read"},
        {{"import", db, WriteFile(folder, "g.csv", "1,1,5,5\n1,2,6,6\n"), "Full"}, 1, "32-bit limit"},
        {{"export", db, "Bad"}, 1, "Type mismatch"},
    };
    for (const auto& c : cases) {
        const Outcome o = Tool(c.args);
        EXPECT_EQ(o.status, c.status) << c.message;
        EXPECT_NE(o.err.find(c.message), std::string::npos) << o.err;
        EXPECT_EQ(o.out, "") << c.message << ": nothing half written";
    }
    EXPECT_EQ(CountRows(folder, "SELECT * FROM TESMO"), 4);
    EXPECT_EQ(Tool({"--help"}).status, 0);
}

}  // namespace
}  // namespace tesmo::test
