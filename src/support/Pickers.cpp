#include "support/Pickers.h"

#include <filesystem>
#include <system_error>

#include "support/Text.h"
#include "surface/CommonDialogs.h"

namespace tesmo {
namespace {

// Pairs of texts from "a|b|c|d" or from "a\0b\0c\0d\0\0".
std::vector<std::pair<std::string, std::string>> FilterPairs(const std::string& filter) {
    const char separator = filter.find('|') != std::string::npos ? '|' : '\0';
    std::vector<std::string> parts;
    std::string part;
    for (char c : filter) {
        if (c == separator) {
            parts.push_back(std::move(part));
            part.clear();
        } else {
            part += c;
        }
    }
    if (!part.empty()) parts.push_back(std::move(part));
    std::vector<std::pair<std::string, std::string>> pairs;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2)
        if (!parts[i].empty()) pairs.emplace_back(parts[i], parts[i + 1]);
    return pairs;
}

// "*" any run of characters, "?" any one.
bool Matches(const std::string& name, const std::string& pattern) {
    // "?" stands for one character, of however many bytes.
    const auto next = [&](std::size_t at) {
        do ++at;
        while (at < name.size() && (static_cast<unsigned char>(name[at]) & 0xC0) == 0x80);
        return at;
    };
    std::size_t n = 0, p = 0, star = std::string::npos, resume = 0;
    while (n < name.size()) {
        if (p < pattern.size() && pattern[p] == '*') {
            star = p++;
            resume = n;
        } else if (p < pattern.size() && pattern[p] == '?') {
            n = next(n);
            ++p;
        } else if (p < pattern.size() && pattern[p] == name[n]) {
            ++n;
            ++p;
        } else if (star != std::string::npos) {
            p = star + 1;
            n = resume = next(resume);
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*') ++p;
    return p == pattern.size();
}

}  // namespace

std::vector<std::string> ShowOpenFileDialog(CommonDialogs& dialogs, OpenFileRequest& request) {
    OpenFileDialogSetup setup;
    setup.filters = FilterPairs(request.filter);
    setup.title = request.title.value_or("Open");
    setup.fileName = request.fileName;
    setup.initialDirectory = request.initialDirectory;
    setup.defaultExtension = request.defaultExtension;
    setup.mustExist = request.mustExist;
    setup.several = request.several;
    setup.filterIndex = request.filterIndex;
    std::vector<std::string> chosen = dialogs.ShowOpenFileDialog(setup);
    if (chosen.empty() || chosen.front().empty()) return {std::string()};
    request.filterIndex = setup.filterIndex;
    request.initialDirectory = DirectoryOf(chosen.front());
    request.fileName = chosen.front().substr(request.initialDirectory.size());
    return chosen;
}

std::int32_t ShowColorDialog(CommonDialogs& dialogs, std::int32_t initial, const std::optional<std::string>& title) {
    return dialogs.ShowColorDialog(initial < 0 ? initial & 0xFFFFFF : initial, title.value_or("Set Color"));
}

std::string DirectoryOf(const std::string& path) {
    const std::string p = !path.empty() && path.front() == '"' ? path.substr(1) : path;
    const auto slash = p.rfind('/');
    return slash == std::string::npos ? std::string() : p.substr(0, slash + 1);
}

bool FileExists(const std::string& path) {
    // Only the test for an empty path trims: blanks are part of a name.
    if (TrimBlanks(path).empty()) return false;
    std::string p = path;
    if (p.back() == '/') p.pop_back();
    const auto quote = p.find('"', 1);
    if (quote != std::string::npos && quote == p.size() - 1) p.pop_back();
    if (!p.empty() && p.front() == '"') p.erase(0, 1);
    namespace fs = std::filesystem;
    std::error_code error;
    const std::string name = fs::path(p).filename().string();
    // Whatever is there but a folder: a file, a device, a pipe.
    if (name.find_first_of("*?") == std::string::npos) return fs::exists(p, error) && !fs::is_directory(p, error);
    // A pattern: the first file it matches in its folder, as a file search finds it.
    const fs::path folder = fs::path(p).parent_path();
    for (fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, error), end; !error && it != end;
         it.increment(error))
        if (Matches(it->path().filename().string(), name) && it->exists(error) && !it->is_directory(error))
            return true;
    return false;
}

}  // namespace tesmo
