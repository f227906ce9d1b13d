#pragma once

#include <unistd.h>

#include <filesystem>
#include <string>

namespace tesmo::fuzz {

// A folder of the process's own for the files a target writes, removed at exit.
inline const std::filesystem::path& TempFolder() {
    static const struct Folder {
        Folder() : path(std::filesystem::temp_directory_path() / ("tesmo-fuzz-" + std::to_string(getpid()))) {
            std::filesystem::create_directories(path);
        }
        ~Folder() {
            std::error_code ignored;
            std::filesystem::remove_all(path, ignored);
        }
        std::filesystem::path path;
    } folder;
    return folder.path;
}

}  // namespace tesmo::fuzz
