#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tesmo {

class CommonDialogs;

// An open-file request as the control makes it. The filter is "description|pattern|..."
// or a NUL-separated list closed by two NULs.
struct OpenFileRequest {
    std::string filter;
    std::optional<std::string> title;  // "Open" when absent; "" for the platform's own
    std::string fileName;               // in: the name shown; out: the name chosen
    std::string initialDirectory;       // in: where it starts; out: the folder chosen
    std::string defaultExtension;
    bool mustExist = false;
    bool several = false;
    int filterIndex = 1;  // in and out, 1-based
};

// Opens the dialog; the chosen paths, or a single "" when it was cancelled.
std::vector<std::string> ShowOpenFileDialog(CommonDialogs& dialogs, OpenFileRequest& request);

// The colour the user chooses (RGB, red in the low byte), or -1 when cancelled. A system
// colour (negative) starts the dialog at its low 24 bits; the title is "Set Color" unless
// given.
std::int32_t ShowColorDialog(CommonDialogs& dialogs, std::int32_t initial,
                             const std::optional<std::string>& title = std::nullopt);

// The folder part of a path, ending in "/" ("" when there is none).
std::string DirectoryOf(const std::string& path);

// True for an existing file (not a folder). Quotes around the path and a trailing "/" are
// ignored; "*" and "?" in the name match as in a file search.
bool FileExists(const std::string& path);

}  // namespace tesmo
