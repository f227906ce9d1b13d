#pragma once

#include <unistd.h>

#include <filesystem>
#include <string>

namespace tesmo::fuzz {

// A folder of the process's own for the files a target writes, removed at exit: in shared
// memory where there is some, since files synced to a disk cost a target most of its time.
inline const std::filesystem::path& TempFolder() {
    static const struct Folder {
        Folder() : path(Base() / ("tesmo-fuzz-" + std::to_string(getpid()))) {
            std::filesystem::create_directories(path);
        }
        ~Folder() {
            std::error_code ignored;
            std::filesystem::remove_all(path, ignored);
        }
        static std::filesystem::path Base() {
            std::error_code ignored;
            return std::filesystem::is_directory("/dev/shm", ignored) ? "/dev/shm" : std::filesystem::temp_directory_path();
        }
        std::filesystem::path path;
    } folder;
    return folder.path;
}

}  // namespace tesmo::fuzz
