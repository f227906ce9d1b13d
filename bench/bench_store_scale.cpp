// Map mode on a large store: 1M rows (10,000 tracks) and 10M rows (100,000 tracks) of 100
// points, each track in two branches; the list also on 10M rows of 10,000 tracks. Each
// operation is timed through the track store and against the sqlite3 shell running the
// statements the store sent, on the same file.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>

#include "core/ControlState.h"
#include "fakes/Fakes.h"
#include "fakes/TrackDatabase.h"
#include "menus/Menus.h"
#include "tracks/TrackStore.h"

namespace tesmo::test {
namespace {

// A connection that notes the statements it sends while `noted` is set, so that the shell
// can be given the same.
class NotingConnection : public Connection {
public:
    NotingConnection(std::unique_ptr<Connection> inner, std::vector<std::string>*& noted)
        : inner_(std::move(inner)), noted_(noted) {}
    int State() const override { return inner_->State(); }
    void Open(const std::string& connectionString) override { inner_->Open(connectionString); }
    void Close() override { inner_->Close(); }
    void Execute(const std::string& statement) override {
        Note(statement);
        inner_->Execute(statement);
    }
    std::unique_ptr<RecordSet> OpenRecordSet(const std::string& statement) override {
        Note(statement);
        return inner_->OpenRecordSet(statement);
    }
    // What the file's engine sends for a transaction.
    void BeginTrans() override {
        Note("BEGIN IMMEDIATE");
        inner_->BeginTrans();
    }
    void CommitTrans() override {
        Note("COMMIT");
        inner_->CommitTrans();
    }
    void RollbackTrans() override {
        Note("ROLLBACK");
        inner_->RollbackTrans();
    }
    bool InTransaction() const override { return inner_->InTransaction(); }
    void LockTrack(const std::string& name) override { inner_->LockTrack(name); }
    bool IndexTracks() override { return inner_->IndexTracks(); }

private:
    void Note(const std::string& statement) {
        if (noted_) noted_->push_back(statement);
    }
    std::unique_ptr<Connection> inner_;
    std::vector<std::string>*& noted_;
};

class NotingEngine : public DatabaseEngine {
public:
    std::unique_ptr<Connection> CreateConnection() override {
        return std::make_unique<NotingConnection>(engine_.CreateConnection(), noted);
    }
    std::string TrackDatabase(const std::string& appFolder) const override { return engine_.TrackDatabase(appFolder); }

    std::vector<std::string>* noted = nullptr;

private:
    StoreEngine engine_;
};

std::string TrackName(std::int64_t track) {
    char name[32];
    std::snprintf(name, sizeof name, "Track %06lld", static_cast<long long>(track));
    return name;
}

// A folder whose Tesmo.mdb holds `rows` rows in `tracks` tracks of equal size, each in two
// branches, made by the control's own database creation. Built once per run, in one statement.
const std::string& LargeStore(std::int64_t rows, std::int64_t tracks) {
    static std::map<std::pair<std::int64_t, std::int64_t>, std::string> folders;
    std::string& folder = folders[{rows, tracks}];
    if (folder.empty()) {
        folder = DatabaseWith({});
        const std::string perTrack = std::to_string(rows / tracks);
        RunStatement(folder, "INSERT INTO TESMO WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < " +
                                 std::to_string(rows - 1) + ") SELECT i, printf('Track %06d', i / " + perTrack +
                                 "), 1 + (i % " + perTrack + ") * 2 / " + perTrack + ", i % 9000, i % 6000 FROM n");
    }
    return folder;
}

// A track store on a large file, as a control opens it.
struct LargeStoreRig {
    explicit LargeStoreRig(const std::string& folder) {
        s.AppFolder = folder;
        store.OpenDatabase();
    }
    FakePorts fakes;
    NotingEngine engine;
    const Ports ports{fakes.surface, fakes.prompts, fakes.host,    fakes.ui,      fakes.clock, fakes.locale,
                      fakes.dialogs, fakes.events,  engine,        fakes.windows, fakes.common};
    ControlState s;
    RecordingCommands target;
    Menus menus{s, fakes.windows, target};
    TrackStore store{s, ports, menus};
};

double Seconds(std::chrono::steady_clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

// The text with every `from` replaced by `to`.
std::string Replaced(std::string text, const std::string& from, const std::string& to) {
    for (auto at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

constexpr int kShellRuns = 20;  // runs per shell invocation, which share its start-up

// Seconds the sqlite3 shell on `file` takes for `script`, its output thrown away.
double ShellSeconds(benchmark::State& state, const std::string& file, const std::string& script) {
    const std::string command = "sqlite3 '" + file + "' \"" + script + "\" > /dev/null";
    const auto start = std::chrono::steady_clock::now();
    if (std::system(command.c_str()) != 0) state.SkipWithError("the shell failed");
    return Seconds(std::chrono::steady_clock::now() - start);
}

// Runs `operation` on track `pick(i)` for run i: run 0 untimed, to note its statements;
// then the sqlite3 shell runs the same statements, kShellRuns runs an invocation, best of
// three invocations, its start-up taken off; then every iteration is timed. Each run gets
// a track of its own.
void AgainstShell(benchmark::State& state, double targetMs, const std::function<std::int64_t(int)>& pick,
                  const std::function<void(LargeStoreRig&, const std::string&)>& operation) {
    const std::string& folder = LargeStore(state.range(0), state.range(1));
    LargeStoreRig rig(folder);
    if (rig.s.DbFailed) state.SkipWithError("the store does not open");
    std::vector<std::string> statements;
    rig.engine.noted = &statements;
    operation(rig, TrackName(pick(0)));
    rig.engine.noted = nullptr;
    std::string noted;
    for (const std::string& statement : statements) noted += statement + ";\n";

    int run = 1;
    double shell = 1e9, start = 1e9;
    for (int invocation = 0; invocation < 3; ++invocation) {
        std::string script;
        for (int i = 0; i < kShellRuns; ++i) script += Replaced(noted, TrackName(pick(0)), TrackName(pick(run++)));
        shell = std::min(shell, ShellSeconds(state, folder + "Tesmo.mdb", script));
        start = std::min(start, ShellSeconds(state, folder + "Tesmo.mdb", "PRAGMA schema_version"));
    }
    shell = (shell - start) / kShellRuns;

    double ours = 0;
    for (auto _ : state) {
        const std::string name = TrackName(pick(run++));
        const auto begin = std::chrono::steady_clock::now();
        operation(rig, name);
        ours += Seconds(std::chrono::steady_clock::now() - begin);
    }
    ours /= static_cast<double>(state.iterations());
    state.counters["ms"] = ours * 1000;
    state.counters["shell_ms"] = shell * 1000;
    state.counters["shell_start_ms"] = start * 1000;
    state.counters["ratio_to_shell"] = ours / shell;
    if (targetMs > 0) state.counters["target_ms"] = targetMs;
}

// Reads take tracks spread over the first half of the store; deletions take them from its
// end, a new one each time.
std::int64_t Spread(const benchmark::State& state, int run) {
    return run * 7919LL % (state.range(1) / 2);
}

void BM_StoreTrackList(benchmark::State& state) {
    std::size_t names = 0;
    // The target is for a list of 10,000 names; a longer one takes longer in the shell too.
    AgainstShell(state, state.range(1) == 10000 ? 150 : 0, [](int) { return 0; },
                 [&names](LargeStoreRig& rig, const std::string&) { names = rig.store.ListTracks().size(); });
    state.counters["names"] = static_cast<double>(names);
}
BENCHMARK(BM_StoreTrackList)
    ->Args({1000000, 10000})
    ->Args({10000000, 100000})
    ->Args({10000000, 10000})
    ->Unit(benchmark::kMillisecond);

// What a playback reads: the branches, the points, then each branch in turn.
void BM_StoreLoadTrack(benchmark::State& state) {
    AgainstShell(state, 20, [&state](int run) { return Spread(state, run); },
                 [&state](LargeStoreRig& rig, const std::string& name) {
                     const std::int16_t branches = rig.store.CountBranches(name);
                     if (branches != 2 || rig.store.CountPoints(name) != 100) state.SkipWithError("not the track made");
                     for (std::int16_t branch = 1; branch <= branches; ++branch)
                         if (!rig.store.LoadBranch(name, branch)) state.SkipWithError(rig.s.ControlError.c_str());
                 });
}
BENCHMARK(BM_StoreLoadTrack)->Args({1000000, 10000})->Args({10000000, 100000})->Unit(benchmark::kMillisecond);

void BM_StoreFindNextBranch(benchmark::State& state) {
    AgainstShell(state, 20, [&state](int run) { return Spread(state, run); },
                 [&state](LargeStoreRig& rig, const std::string& name) {
                     if (rig.store.FindNextBranch(name).branch != 3) state.SkipWithError("not the track made");
                 });
}
BENCHMARK(BM_StoreFindNextBranch)->Args({1000000, 10000})->Args({10000000, 100000})->Unit(benchmark::kMillisecond);

void BM_StoreDeleteTrack(benchmark::State& state) {
    AgainstShell(state, 20, [&state](int run) { return state.range(1) - 1 - run; },
                 [&state](LargeStoreRig& rig, const std::string& name) {
                     rig.s.TrackName = name;
                     if (!rig.store.DeleteTrack()) state.SkipWithError(rig.s.ControlError.c_str());
                 });
    // Every run took a track of its own, and it is gone.
    LargeStoreRig rig(LargeStore(state.range(0), state.range(1)));
    if (rig.store.CountTracks() != state.range(1) - 1 - 3 * kShellRuns - static_cast<std::int64_t>(state.iterations()))
        state.SkipWithError("a deletion found no track");
}
BENCHMARK(BM_StoreDeleteTrack)
    ->Args({1000000, 10000})
    ->Args({10000000, 100000})
    ->Iterations(500)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tesmo::test
