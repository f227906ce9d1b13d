// The soak run: cycles of a track created by points (20 points), committed, played at
// Delay 0 and deleted through the control's logic, on one database. Every thousand cycles
// it prints the time a cycle takes, the resident memory and the size of the database
// files; over 5,000 cycles or more it also judges them flat (exit status 1 when not).
//   bench_soak [CYCLES]   (10,000 by default)
#include <unistd.h>

#include <QApplication>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "control/Commands.h"
#include "fakes/Fakes.h"
#include "fakes/TrackDatabase.h"

namespace tesmo::test {
namespace {

double ResidentMiB() {
    long pages = 0, resident = 0;
    std::ifstream("/proc/self/statm") >> pages >> resident;
    return static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0);
}

double FileKiB(const std::string& path) {
    std::error_code none;
    const auto size = std::filesystem::file_size(path, none);
    return none ? 0.0 : static_cast<double>(size) / 1024.0;
}

[[noreturn]] void Fail(int cycle, const std::string& what) {
    std::fprintf(stderr, "bench_soak: cycle %d: %s\n", cycle, what.c_str());
    std::exit(2);
}

void Cycle(Rig& rig, Commands& commands, int cycle) {
    const std::string name = "Soak " + std::to_string(cycle);
    rig.prompts.answers = {msgbox::Yes};
    rig.prompts.inputs = {name};
    commands.Run(Command::PointDraw);
    for (int i = 0; i < 20; ++i) rig.container().MouseUp(1, 0, 100.0f + 150.0f * i, 300.0f + 40.0f * (i % 7));
    commands.Run(Command::Commit);
    if (rig.control.TrackName() != name) Fail(cycle, "not committed: " + rig.prompts.calls.back().text);
    if (!rig.control.DrawTrack(name)) Fail(cycle, "not played: " + rig.control.ControlError());
    rig.dialogs.onTrackList = Choose(name);
    rig.prompts.answers = {msgbox::Yes};
    commands.Run(Command::Remove);
    if (!rig.control.TrackName().empty()) Fail(cycle, "not deleted: " + rig.control.ControlError());
    // The fakes record what the control does; only the control's own memory is measured.
    rig.surface.ops.clear();
    rig.prompts.calls.clear();
    rig.events.raised.clear();
    rig.dialogs.listCaptions.clear();
    rig.dialogs.listEntries.clear();
}

struct Stage {
    double msPerCycle, residentMiB, databaseKiB;
};

int Soak(int cycles) {
    Rig rig;
    const std::string folder = DatabaseWith({});
    rig.start(folder);
    rig.control.setDelay(0);
    Commands commands(rig.control);
    std::vector<Stage> stages;
    std::printf("%8s %12s %12s %14s\n", "cycles", "ms/cycle", "RSS MiB", "database KiB");
    auto start = std::chrono::steady_clock::now();
    for (int cycle = 1; cycle <= cycles; ++cycle) {
        Cycle(rig, commands, cycle);
        if (cycle % 1000 != 0 && cycle != cycles) continue;
        const auto now = std::chrono::steady_clock::now();
        const int done = cycle % 1000 ? cycle % 1000 : 1000;
        stages.push_back({std::chrono::duration<double, std::milli>(now - start).count() / done, ResidentMiB(),
                          FileKiB(folder + "Tesmo.mdb")});
        const Stage& s = stages.back();
        std::printf("%8d %12.3f %12.1f %14.0f\n", cycle, s.msPerCycle, s.residentMiB, s.databaseKiB);
        start = now;
    }
    if (cycles < 5000) return 0;
    // The first thousand warms the caches up; the rest must stay where it got to.
    const Stage& first = stages.front();
    const Stage& last = stages.back();
    const bool memory = last.residentMiB <= first.residentMiB * 1.10;
    // Time is noisier than memory on a shared machine: only a clear trend counts.
    const bool time = last.msPerCycle <= first.msPerCycle * 1.5;
    const bool file = last.databaseKiB <= first.databaseKiB * 2 + 64;
    std::printf("resident memory %s (%.1f -> %.1f MiB), time per cycle %s (%.3f -> %.3f ms), database %s\n",
                memory ? "flat" : "GROWING", first.residentMiB, last.residentMiB, time ? "flat" : "GROWING",
                first.msPerCycle, last.msPerCycle, file ? "bounded" : "GROWING");
    return memory && time && file ? 0 : 1;
}

}  // namespace
}  // namespace tesmo::test

int main(int argc, char** argv) {
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QApplication app(argc, argv);
    return tesmo::test::Soak(argc > 1 ? std::atoi(argv[1]) : 10000);
}
