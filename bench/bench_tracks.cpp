// Map mode: loading a branch against the sqlite3 shell running the same query, and the
// cost and precision of the pause between playback steps.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <cstdlib>

#include "control/Commands.h"
#include "core/ControlState.h"
#include "fakes/Fakes.h"
#include "fakes/TrackDatabase.h"
#include "menus/Menus.h"
#include "qt/QtUiLoop.h"
#include "tracks/TrackStore.h"

namespace tesmo::test {
namespace {

// One folder whose database holds a branch of 100,000 rows and one of 1,000,000.
const std::string& BigDatabase() {
    static const std::string folder = [] {
        const std::string f = DatabaseWith({});
        for (auto [name, rows] : {std::pair{"Big100k", 100000}, std::pair{"Big1M", 1000000}})
            RunStatement(f, "INSERT INTO TESMO WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " +
                                std::to_string(rows) + ") SELECT i, '" + name + "', 1, i % 9000, i % 6000 FROM n");
        return f;
    }();
    return folder;
}

std::string Query(const std::string& name) {
    return "SELECT ordinale,X,Y FROM tesmo WHERE tratto='" + name + "' and ramo=1 ORDER BY ordinale";
}

double Seconds(std::chrono::steady_clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

// Loads a branch through the track store on `store` ("" for the file in `folder`) and
// times the same statement run by `shell` (with its output thrown away) for comparison.
void LoadBranchAgainst(benchmark::State& state, const std::string& store, const std::string& folder,
                       const std::string& shell) {
    const std::string name = state.range(0) == 100000 ? "Big100k" : "Big1M";
    FakePorts fakes;
    fakes.database = StoreEngine(store);
    ControlState s;
    RecordingCommands target;
    Menus menus(s, fakes.windows, target);
    TrackStore tracks(s, fakes.ports, menus);
    s.AppFolder = folder;
    tracks.OpenDatabase();
    s.TrackName = name;
    tracks.LoadBranch(name, 1);  // untimed, as the shell's best of three has warm caches too
    double ours = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        if (!tracks.LoadBranch(name, 1)) state.SkipWithError(s.ControlError.c_str());
        ours += Seconds(std::chrono::steady_clock::now() - start);
    }
    ours /= static_cast<double>(state.iterations());

    const std::string command = shell + " \"" + Query(name) + "\" > /dev/null";
    double best = 1e9;
    for (int i = 0; i < 3; ++i) {
        const auto start = std::chrono::steady_clock::now();
        if (std::system(command.c_str()) != 0) state.SkipWithError("the shell failed");
        best = std::min(best, Seconds(std::chrono::steady_clock::now() - start));
    }
    state.counters["shell_ms"] = best * 1000;
    state.counters["ratio_to_shell"] = ours / best;
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

// Against the sqlite3 shell on the same file.
void BM_LoadBranch(benchmark::State& state) {
    LoadBranchAgainst(state, "", BigDatabase(), "sqlite3 '" + BigDatabase() + "Tesmo.mdb'");
}
BENCHMARK(BM_LoadBranch)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// Against psql (unaligned rows only) on a PostgreSQL server given by TESMO_PG, a libpq
// connection string; skipped without one.
void BM_LoadBranchServer(benchmark::State& state) {
    const char* server = std::getenv("TESMO_PG");
    if (!server) {
        state.SkipWithError("no server: set TESMO_PG to a libpq connection string");
        for (auto _ : state) {
        }
        return;
    }
    static const bool filled = [server] {
        const auto c = StoreEngine::Open(server);
        c->Execute("CREATE TABLE IF NOT EXISTS TESMO (ordinale INTEGER, tratto TEXT, ramo SMALLINT, "
                   "X DOUBLE PRECISION, Y DOUBLE PRECISION)");
        c->Execute("DELETE FROM TESMO WHERE tratto IN ('Big100k', 'Big1M')");
        for (auto [name, rows] : {std::pair{"Big100k", 100000}, std::pair{"Big1M", 1000000}})
            c->Execute("INSERT INTO TESMO SELECT i, '" + std::string(name) + "', 1, i % 9000, i % 6000 FROM generate_series(1, " +
                       std::to_string(rows) + ") AS i");
        c->Execute("VACUUM ANALYZE TESMO");
        return true;
    }();
    (void)filled;
    LoadBranchAgainst(state, server, "", "psql -X -q -A -t '" + std::string(server) + "' -c");
}
BENCHMARK(BM_LoadBranchServer)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);

// A surface that notes when each step of a drawing arrives.
struct TimedSurface : FakeSurface {
    std::vector<double> stepTimes;
    const Clock* clock = nullptr;
    void Line(float x1, float y1, float x2, float y2, std::int32_t color) override {
        stepTimes.push_back(clock->NowMs());
        FakeSurface::Line(x1, y1, x2, y2, color);
    }
};

double CpuSeconds() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// A control on the Qt user-interface loop and the system clock, with a two-point track.
struct LivePlayback {
    LivePlayback() {
        host.folder = DatabaseWith({{1, "Segment", 1, 100, 100}, {2, "Segment", 1, 700, 100}});
        surface.clock = &clock;
        Container container(control);
        container.Initialize();
        container.InitProperties();
        container.StartRunTime();
        control.setBaseStep(30);
        control.setDelay(50);
    }
    TimedSurface surface;
    FakePrompts prompts;
    FakeHost host;
    SystemClock clock;
    ReentryGate gate;
    QtUiLoop ui{clock, gate};
    FakeLocale locale;
    FakeDialogs dialogs;
    RecordingEvents events;
    StoreEngine database;
    FakeWindowSystem windows;
    FakeCommonDialogs common;
    ucTesmo control{Ports{surface, prompts, host, ui, clock, locale, dialogs, events, database, windows, common}};
};

void BM_PlaybackDelay50(benchmark::State& state) {
    LivePlayback live;
    std::vector<double> waits;
    double cpu = 0, wall = 0;
    for (auto _ : state) {
        live.surface.stepTimes.clear();
        const double cpuStart = CpuSeconds();
        const double wallStart = live.clock.NowMs();
        live.control.DrawTrack("Segment");
        cpu += CpuSeconds() - cpuStart;
        wall += (live.clock.NowMs() - wallStart) / 1000;
        double previous = wallStart;
        for (double t : live.surface.stepTimes) {
            waits.push_back(t - previous);
            previous = t;
        }
    }
    std::sort(waits.begin(), waits.end());
    state.counters["steps"] = static_cast<double>(live.surface.stepTimes.size());
    state.counters["cpu_percent_of_wall"] = 100 * cpu / wall;
    state.counters["median_wait_ms"] = waits.empty() ? 0 : waits[waits.size() / 2];
    state.counters["max_wait_ms"] = waits.empty() ? 0 : waits.back();
}
BENCHMARK(BM_PlaybackDelay50)->Iterations(3)->Unit(benchmark::kMillisecond);

// The same playback held paused for a second by the same request a user makes twice.
void BM_PlaybackPaused(benchmark::State& state) {
    LivePlayback live;
    double cpu = 0, wall = 0;
    for (auto _ : state) {
        double cpuAtPause = 0, wallAtPause = 0;
        QTimer::singleShot(100, [&] {
            live.control.DrawTrack("Segment");
            cpuAtPause = CpuSeconds();
            wallAtPause = live.clock.NowMs();
        });
        QTimer::singleShot(1100, [&] {
            cpu += CpuSeconds() - cpuAtPause;
            wall += (live.clock.NowMs() - wallAtPause) / 1000;
            live.control.DrawTrack("Segment");
        });
        live.control.DrawTrack("Segment");
    }
    state.counters["paused_cpu_percent_of_wall"] = 100 * cpu / wall;
}
BENCHMARK(BM_PlaybackPaused)->Iterations(2)->Unit(benchmark::kMillisecond);

// Creation by step: a drag of 10,000 moves, each recorded as a row inside the open
// transaction. The time is per recorded point, line drawn and row written.
void BM_DragByStep(benchmark::State& state) {
    Rig rig;
    rig.start(DatabaseWith({}));
    Commands commands(rig.control);
    Container container = rig.container();
    constexpr int kMoves = 10000;
    double seconds = 0;
    for (auto _ : state) {
        state.PauseTiming();
        rig.prompts.answers = {msgbox::Yes};
        rig.prompts.inputs = {"Drag"};
        commands.Run(Command::LineDraw);
        rig.surface.ops.clear();
        state.ResumeTiming();
        const auto start = std::chrono::steady_clock::now();
        for (int i = 1; i <= kMoves; ++i) container.MouseMove(1, 0, static_cast<float>(i), 0);
        seconds += Seconds(std::chrono::steady_clock::now() - start);
        state.PauseTiming();
        if (rig.surface.ops.size() != kMoves) state.SkipWithError("a move was not recorded");
        commands.Run(Command::Commit);
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kMoves);
    state.counters["us_per_point"] = seconds * 1e6 / static_cast<double>(state.iterations() * kMoves);
}
BENCHMARK(BM_DragByStep)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace tesmo::test
