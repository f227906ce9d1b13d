// Programs killed at random moments while they write tracks: the database stays a sound
// SQLite file that holds every committed track whole and nothing of a track that was never
// committed.
#include <gtest/gtest.h>

#include <QDir>
#include <cstdlib>
#include <fstream>
#include <random>
#include <set>

#include "process/ProcessRig.h"

namespace tesmo {
namespace {

// The full campaign sets TESMO_KILL_TRIALS (100); the test build runs a few.
int Trials() {
    const char* trials = std::getenv("TESMO_KILL_TRIALS");
    return trials ? std::atoi(trials) : 6;
}

// After each kill: a sound file, every track whole as `whole` says, and every track the
// program reported as written there (or, with `gone`, absent).
void ExpectSound(const Database& db, const std::string& whole, const std::set<std::string>& reported, bool gone) {
    ASSERT_EQ(db.Integrity(), "ok");
    const auto tracks = db.Tracks();
    for (const auto& [name, summary] : tracks) EXPECT_EQ(summary, whole) << name;
    for (const std::string& name : reported) EXPECT_EQ(tracks.count(name), gone ? 0u : 1u) << name;
}

std::set<std::string> Reported(const QStringList& lines, const QString& word) {
    std::set<std::string> names;
    for (const QString& line : lines)
        if (line.startsWith(word + ' ')) names.insert(line.mid(word.size() + 1).toStdString());
    return names;
}

struct KillCase {
    const char* name;
    int fromMs, toMs;  // the moment of the kill is drawn from this range
};

class Killed : public ::testing::TestWithParam<KillCase> {
protected:
    void SetUp() override {
        const unsigned seed = std::random_device{}();
        random_.seed(seed);
        RecordProperty("seed", std::to_string(seed));
    }
    int Moment() { return std::uniform_int_distribution(GetParam().fromMs, GetParam().toMs)(random_); }
    std::mt19937 random_;
    Database db_;
};

TEST_P(Killed, KeepsTheDatabaseWhole) {
    const std::string kind = GetParam().name;
    std::set<std::string> kept, deleted;
    const std::string imports = QDir(db_.folder()).filePath("track.csv").toStdString();
    if (kind == "import") {
        std::ofstream csv(imports);
        for (int i = 1; i <= 20000; ++i) csv << "1," << i << "," << i << ",7\n";
    }
    int completed = 0;
    for (int trial = 0; trial < Trials(); ++trial) {
        SCOPED_TRACE("trial " + std::to_string(trial));
        if (kind == "create") {
            const auto lines = RunAndKill(TESMO_TRACK_WRITER,
                                          {db_.folder(), "create", QString("T%1-").arg(trial), "1000", "20"}, Moment());
            const auto now = Reported(lines, "committed");
            completed += static_cast<int>(now.size());
            kept.insert(now.begin(), now.end());
            ExpectSound(db_, "20:1-20:1", kept, false);
        } else if (kind == "delete") {
            QStringList names;
            const auto left = db_.Tracks();
            for (int i = 1; i <= 12; ++i) {
                const std::string name = "D" + std::to_string(i);
                names << QString::fromStdString(name);
                if (!left.count(name)) db_.Add(name, 20000);
            }
            const auto lines = RunAndKill(TESMO_TRACK_WRITER, QStringList{db_.folder(), "delete"} + names, Moment());
            deleted = Reported(lines, "deleted");
            completed += static_cast<int>(deleted.size());
            ExpectSound(db_, "20000:1-20000:1", deleted, true);
        } else {
            const auto lines = RunAndKill(TESMO_TRACKS_TOOL,
                                          {"import", QString::fromStdString(db_.path()), QString::fromStdString(imports),
                                           QString("I%1").arg(trial)},
                                          Moment());
            const auto now = Reported(lines, "imported");
            completed += static_cast<int>(now.size());
            if (!now.empty()) kept.insert("I" + std::to_string(trial));
            ExpectSound(db_, "20000:1-20000:1", kept, false);
        }
        if (HasFatalFailure() || HasNonfatalFailure()) break;
    }
    RecordProperty("completed", completed);
}

INSTANTIATE_TEST_SUITE_P(, Killed,
                         ::testing::Values(KillCase{"create", 200, 2500}, KillCase{"delete", 100, 1200},
                                           KillCase{"import", 10, 900}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace tesmo
