#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "tesmo/Picture.h"

namespace tesmo {

// What an open-file dialog shows: filters as (description, patterns) pairs, the title, the
// name and folder it starts with, the extension added to a bare name, whether the file
// must exist, whether several can be chosen, and the 1-based filter shown first.
struct OpenFileDialogSetup {
    std::vector<std::pair<std::string, std::string>> filters;
    std::string title;
    std::string fileName;
    std::string initialDirectory;
    std::string defaultExtension;
    bool mustExist = false;
    bool several = false;
    int filterIndex = 1;
};

// The platform's common dialogs and picture files.
class CommonDialogs {
public:
    virtual ~CommonDialogs() = default;
    // The colour the user chooses (RGB, red in the low byte), starting at `initial`; -1
    // when the user cancels.
    virtual std::int32_t ShowColorDialog(std::int32_t initial, const std::string& title) = 0;
    // The full paths the user chooses, none when the dialog is cancelled; `filterIndex`
    // becomes the filter last shown.
    virtual std::vector<std::string> ShowOpenFileDialog(OpenFileDialogSetup& setup) = 0;
    // The picture in a file; throws tesmo::Error with the reason when it cannot be decoded.
    virtual tesmo::Picture LoadPicture(const std::string& path) = 0;
};

}  // namespace tesmo
