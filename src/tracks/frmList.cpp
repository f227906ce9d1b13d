#include "tracks/frmList.h"

namespace tesmo {

void frmList::Load(std::string caption, std::vector<std::string> entries, std::string tag) {
    caption_ = std::move(caption);
    entries_ = std::move(entries);
    tag_ = std::move(tag);
    loaded_ = true;
}

bool frmList::OK(std::optional<std::size_t> selected) {
    if (tag_ == "View") return true;
    if (!selected || *selected >= entries_.size()) return false;
    trackName_ = entries_[*selected];
    return true;
}

frmList& TrackListDialog() {
    thread_local frmList dialog;
    return dialog;
}

}  // namespace tesmo
