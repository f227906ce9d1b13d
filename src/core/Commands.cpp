#include "core/Commands.h"

#include "core/ControlImpl.h"

namespace tesmo {

const CommandState& Commands::State(Command command) const {
    return c_.d->menus.State(command);
}

void Commands::View() {
    if (Enabled(Command::View)) c_.d->list.View();
}

void Commands::Exec() {
    if (Enabled(Command::Exec)) c_.d->playback.ExecuteTrack(true);
}

void Commands::Cancel() {
    c_.d->playback.Cancel();
}

void Commands::Remove() {
    if (Enabled(Command::Remove)) c_.d->list.Remove();
}

}  // namespace tesmo
