#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace tesmo {

// The track list dialog: its entries, its caption and the rules of its buttons. The
// platform shows it modally and forwards the user's actions here.
class frmList {
public:
    void Load(std::string caption, std::vector<std::string> entries, std::string tag);
    void Unload() {
        entries_.clear();
        loaded_ = false;
    }
    // Between Load and Unload: the list is being shown.
    bool Loaded() const { return loaded_; }

    const std::string& Caption() const { return caption_; }
    const std::vector<std::string>& Entries() const { return entries_; }
    // "View" for a list only looked at, "Exec" for a choice.
    const std::string& Tag() const { return tag_; }

    // btnOK, or a double click on an entry: true when the dialog closes.
    bool OK(std::optional<std::size_t> selected);
    // The user closed the window instead of choosing.
    void ClosedByUser() { trackName_.clear(); }
    // The name chosen last; "" once the user closed the window instead.
    const std::string& TrackName() const { return trackName_; }

private:
    std::string caption_;
    std::vector<std::string> entries_;
    std::string tag_;
    std::string trackName_;
    bool loaded_ = false;
};

// The one track list of the user-interface thread.
frmList& TrackListDialog();

}  // namespace tesmo
