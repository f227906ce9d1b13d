// Programs killed at random moments while they write tracks: the database stays a sound
// SQLite file that holds every committed track whole and nothing of a track that was never
// committed.
#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <algorithm>
#include <cstdio>
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
// program reported as written there.
void ExpectSound(const Database& db, const std::string& whole, const std::set<std::string>& reported) {
    ASSERT_EQ(db.Integrity(), "ok");
    const auto tracks = db.Tracks();
    for (const auto& [name, summary] : tracks) EXPECT_EQ(summary, whole) << name;
    for (const std::string& name : reported) EXPECT_EQ(tracks.count(name), 1u) << name;
}

std::set<std::string> Reported(const QStringList& lines, const QString& word) {
    std::set<std::string> names;
    for (const QString& line : lines)
        if (line.startsWith(word + ' ')) names.insert(line.mid(word.size() + 1).toStdString());
    return names;
}

// A run of a program that is killed with SIGKILL after `ms` milliseconds unless it has
// ended first (never, with a negative `ms`): the lines it wrote, and how long it ran.
struct Outcome {
    QStringList lines;
    bool killed = false;
    qint64 ms = 0;
};

Outcome RunAndKill(const QString& program, const QStringList& args, int ms) {
    QProcess process;
    QElapsedTimer clock;
    clock.start();
    process.start(program, args);
    EXPECT_TRUE(process.waitForStarted());
    Outcome run;
    if (!process.waitForFinished(ms < 0 ? -1 : ms)) {
        process.kill();
        process.waitForFinished();
        run.killed = true;
    }
    run.ms = clock.elapsed();
    run.lines = QString::fromUtf8(process.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    return run;
}

class Killed : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        const unsigned seed = std::random_device{}();
        random_.seed(seed);
        RecordProperty("seed", std::to_string(seed));
        if (kind_ == "import") {
            std::ofstream csv(csv_);
            for (int i = 1; i <= 20000; ++i) csv << "1," << i << "," << i << ",7\n";
        }
    }

    // One run of the case's work, numbered `run`, killed after `ms` (negative: never); then
    // the checks a kill must pass.
    bool Work(int run, int ms) {
        SCOPED_TRACE("run " + std::to_string(run) + ", killed after " + std::to_string(ms) + " ms");
        if (kind_ == "create") {
            last_ = RunAndKill(TESMO_TRACK_WRITER, {db_.folder(), "create", QString("T%1-").arg(run), "30", "20"}, ms);
            const auto now = Reported(last_.lines, "committed");
            kept_.insert(now.begin(), now.end());
        } else {
            const std::string name = "I" + std::to_string(run);
            last_ = RunAndKill(
                TESMO_TRACKS_TOOL,
                {"import", QString::fromStdString(db_.path()), QString::fromStdString(csv_), QString::fromStdString(name)},
                ms);
            if (!Reported(last_.lines, "imported").empty()) kept_.insert(name);
        }
        ExpectSound(db_, kind_ == "create" ? "20:1-20:1" : "20000:1-20000:1", kept_);
        // Each run may have committed one track it had no time to report, and no more.
        EXPECT_LE(db_.Tracks().size(), kept_.size() + static_cast<std::size_t>(run) + 1);
        return !HasFailure();
    }

    const std::string kind_ = GetParam();
    Database db_;
    const std::string csv_ = QDir(db_.folder()).filePath("track.csv").toStdString();
    std::set<std::string> kept_;
    std::mt19937 random_;
    Outcome last_;
};

TEST_P(Killed, KeepsTheDatabaseWhole) {
    ASSERT_GT(Trials(), 0);
    // A run left to finish, checked like the others, tells how long the work takes, so
    // that the kills land inside it.
    ASSERT_TRUE(Work(0, -1));
    ASSERT_FALSE(last_.killed);
    std::uniform_int_distribution<int> moment(static_cast<int>(last_.ms / 10), static_cast<int>(last_.ms * 9 / 10));
    int interrupted = 0;
    for (int trial = 1; trial <= Trials(); ++trial) {
        if (!Work(trial, std::max(1, moment(random_)))) break;
        interrupted += last_.killed;
    }
    RecordProperty("interrupted", interrupted);
    std::printf("%s: %d of %d runs killed before they were done\n", kind_.c_str(), interrupted, Trials());
    EXPECT_GT(interrupted, 0) << "no kill landed before the work was done";
}

INSTANTIATE_TEST_SUITE_P(, Killed, ::testing::Values("create", "import"),
                         [](const auto& info) { return std::string(info.param); });

}  // namespace
}  // namespace tesmo
