// Runs stored inputs through fuzz targets: tesmo_fuzz_replay TARGET PATH... where each
// PATH is an input file or a folder of them. A target that crashes aborts the program.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "FuzzTarget.h"

namespace tesmo::fuzz {
namespace {

std::map<std::string, Entry>& Targets() {
    static std::map<std::string, Entry> targets;
    return targets;
}

int Replay(Entry entry, const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    const std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    return entry(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
}

}  // namespace

bool Register(const char* name, Entry entry) {
    Targets()[name] = entry;
    return true;
}

}  // namespace tesmo::fuzz

int main(int argc, char** argv) {
    using namespace tesmo::fuzz;
    const auto target = argc > 1 ? Targets().find(argv[1]) : Targets().end();
    if (target == Targets().end()) {
        std::cerr << "usage: tesmo_fuzz_replay TARGET PATH...\ntargets:";
        for (const auto& [name, entry] : Targets()) std::cerr << " " << name;
        std::cerr << "\n";
        return 2;
    }
    int inputs = 0;
    for (int i = 2; i < argc; ++i) {
        const std::filesystem::path path = argv[i];
        if (std::filesystem::is_directory(path)) {
            for (const auto& entry : std::filesystem::directory_iterator(path))
                if (entry.is_regular_file()) inputs += Replay(target->second, entry.path()) == 0;
        } else if (std::filesystem::exists(path)) {
            inputs += Replay(target->second, path) == 0;
        }
    }
    std::cout << target->first << ": " << inputs << " inputs replayed\n";
    return inputs > 0 ? 0 : 1;
}
