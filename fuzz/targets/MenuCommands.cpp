// The user's commands in any order and any state: window-menu ids (known, greyed or none),
// picks in the pop-up menu, clicks and drags on the control, keys, the answers given to its
// questions and dialogs, and the host changing the mode between them. Whatever happens,
// once a new track is discarded the store holds no transaction, and the control lists the
// tracks the file holds.
#include <cstdlib>

#include "FuzzTarget.h"
#include "control/Commands.h"
#include "control/Steering.h"
#include "fakes/Fakes.h"
#include "fakes/TrackDatabase.h"
#include "sqlite/SqliteConnection.h"
#include "targets/TempFolder.h"
#include "tesmo/Error.h"

TESMO_FUZZ_TARGET(MenuCommands) {
    using namespace tesmo;
    static const std::string pristine = fuzz::FileBytes(
        test::DatabaseWith({{1, "Coast", 1, 10, 10}, {2, "Coast", 1, 200, 90}, {3, "Coast", 2, 300, 300}, {1, "Ridge", 1, 50, 400}}) +
        "Tesmo.mdb");
    const std::string folder = fuzz::DatabaseFolder("menus", pristine);

    fuzz::Bytes in(data, size);
    test::Rig rig;
    rig.windows.parent = 7;
    rig.start(folder);
    Commands commands(rig.control);
    const auto at = [&] { return static_cast<float>(in.Word() % 12000); };
    for (int step = 0; step < 48 && !in.empty(); ++step) {
        try {
            switch (in.Pick(9)) {
                case 0: commands.DispatchSystemCommand(1096 + static_cast<std::int32_t>(in.Pick(24))); break;
                case 1: {
                    const int pick = static_cast<int>(in.Pick(16)) - 1;
                    rig.windows.pick = [pick](const PopupMenu&) { return pick; };
                    rig.container().MouseUp(2, static_cast<std::int16_t>(in.Pick(2)), at(), at());
                    break;
                }
                case 2: {
                    const auto button = static_cast<std::int16_t>(1 + in.Pick(2));
                    rig.container().MouseDown(button, 0, at(), at());
                    for (unsigned moves = in.Pick(4); moves > 0; --moves) rig.container().MouseMove(button, 0, at(), at());
                    rig.container().MouseUp(button, 0, at(), at());
                    break;
                }
                case 3: {
                    static const int answers[] = {msgbox::Ok, msgbox::Cancel, msgbox::Yes, msgbox::No};
                    rig.prompts.answers.push_back(answers[in.Pick(4)]);
                    rig.prompts.inputs.push_back(in.Text(12));
                    break;
                }
                case 4: {
                    const unsigned entry = in.Pick(4);
                    rig.dialogs.onTrackList = [entry](frmList& list) {
                        if (entry == 3)
                            list.ClosedByUser();
                        else
                            list.OK(entry);
                    };
                    break;
                }
                case 5: {
                    std::int16_t key = static_cast<std::int16_t>(in.Pick(2) ? 27 : in.Byte());
                    rig.container().KeyDown(key);
                    break;
                }
                case 6:
                    switch (in.Pick(5)) {
                        case 0: Steering(rig.control).UndoLastPoint(); break;
                        case 1: Steering(rig.control).DiscardNewTrack(in.Pick(2) == 0); break;
                        case 2: Steering(rig.control).CancelDrawing(); break;
                        case 3: Steering(rig.control).SetPaused(in.Pick(2) == 0); break;
                        case 4: rig.control.setDelay(static_cast<std::int32_t>(in.Pick(3))); break;
                    }
                    break;
                case 7: rig.control.setMapStyle(in.Pick(2) ? enMapStyle::Map : enMapStyle::ScaleSystem); break;
                case 8: rig.control.setEnableMenu(in.Pick(4) != 0); break;
            }
        } catch (const Error&) {
        }
    }
    Steering(rig.control).DiscardNewTrack(false);
    if (rig.control.MapStyle() == enMapStyle::Map && !Steering(rig.control).CreatingTrack()) {
        const auto names = Steering(rig.control).TrackNames();
        // Another connection: it reads the names the file holds, and takes the write lock
        // at once (it would wait, then throw, were a transaction left open).
        SqliteConnection file;
        file.Open(ConnectionStringFor(folder + "Tesmo.mdb"));
        if (static_cast<std::size_t>(file.OpenRecordSet("SELECT DISTINCT tratto FROM TESMO")->RecordCount()) != names.size())
            std::abort();
        file.Execute("BEGIN IMMEDIATE");
        file.Execute("ROLLBACK");
    }
    return 0;
}
