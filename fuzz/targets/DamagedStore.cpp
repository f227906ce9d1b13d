// A track database damaged on disk (cut short, or bytes changed anywhere: header, schema,
// table or index pages), opened by a control that lists its tracks, plays each and deletes
// one. Every failure must come as the control's error, never as a crash, a hang or memory
// used wrongly. (What a damaged file that still reads gives back is the engine's to say.)
#include "FuzzTarget.h"
#include "control/Commands.h"
#include "control/Steering.h"
#include "fakes/Fakes.h"
#include "fakes/TrackDatabase.h"
#include "targets/TempFolder.h"
#include "tesmo/Error.h"

namespace {

// A database as the control writes it: three tracks, one of two branches, one whose name
// needs quoting, with the index.
const std::string& Pristine() {
    static const std::string bytes = [] {
        std::vector<tesmo::test::TrackRow> rows;
        for (int i = 1; i <= 150; ++i)
            rows.push_back({i, i <= 60 ? "Coast" : i <= 120 ? "Ridge" : "Bell's", i <= 30 || i > 120 ? 1 : 2,
                            static_cast<float>(i * 7 % 640), static_cast<float>(i * 13 % 480)});
        return tesmo::fuzz::FileBytes(tesmo::test::DatabaseWith(rows) + "Tesmo.mdb");
    }();
    return bytes;
}

}  // namespace

TESMO_FUZZ_TARGET(DamagedStore) {
    using namespace tesmo;
    fuzz::Bytes in(data, size);
    std::string file = Pristine();
    if (in.Pick(4) == 0) file.resize(in.Word() % file.size());
    while (!in.empty() && !file.empty()) {
        const std::size_t at = in.Word() % file.size();
        file[at] = static_cast<char>(in.Byte());
    }
    const std::string folder = fuzz::DatabaseFolder("damaged", file);
    test::Rig rig;
    rig.start(folder);
    const std::vector<std::string> names = Steering(rig.control).TrackNames();
    for (const std::string& name : names) {
        try {
            rig.control.DrawTrack(name);
        } catch (const Error&) {
        }
    }
    if (names.empty()) return 0;
    rig.dialogs.onTrackList = test::Choose(names.front());
    rig.prompts.answers = {msgbox::Yes};
    try {
        Commands(rig.control).Run(Command::Remove);
    } catch (const Error&) {
    }
    return 0;
}
