#pragma once

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

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

// A file's bytes. The targets keep a file they restore before each input in memory and
// write it back through a stream: std::filesystem::copy_file gives up when one of
// libFuzzer's timer signals interrupts it, where a stream's write carries on.
inline std::string FileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::string bytes(std::istreambuf_iterator<char>(in), {});
    if (bytes.empty()) std::abort();  // a target would fuzz nothing but a missing file
    return bytes;
}

inline void WriteFile(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// A folder of its own holding Tesmo.mdb as `bytes`, with no journal left by the last input;
// the folder's path ends with "/".
inline std::string DatabaseFolder(const std::string& name, std::string_view bytes) {
    const std::filesystem::path folder = TempFolder() / name;
    std::filesystem::create_directories(folder);
    std::filesystem::remove(folder / "Tesmo.mdb-journal");
    WriteFile(folder / "Tesmo.mdb", bytes);
    return folder.string() + "/";
}

}  // namespace tesmo::fuzz
