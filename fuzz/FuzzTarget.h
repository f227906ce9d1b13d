#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>

// A fuzz target is one file that defines its entry with TESMO_FUZZ_TARGET(Name). Built for
// libFuzzer, the entry is the program's LLVMFuzzerTestOneInput; otherwise every target of a
// program is registered by name, and the replay program runs stored inputs through it.
#ifdef TESMO_LIBFUZZER
#define TESMO_FUZZ_TARGET(name) extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
#else
namespace tesmo::fuzz {
using Entry = int (*)(const std::uint8_t* data, std::size_t size);
bool Register(const char* name, Entry entry);
}  // namespace tesmo::fuzz
#define TESMO_FUZZ_TARGET(name)                                                                    \
    static int name##Input(const std::uint8_t* data, std::size_t size);                            \
    [[maybe_unused]] static const bool name##Registered = tesmo::fuzz::Register(#name, name##Input); \
    static int name##Input(const std::uint8_t* data, std::size_t size)
#endif

namespace tesmo::fuzz {

// Takes an input apart: small numbers and texts from the front, the rest as it is.
class Bytes {
public:
    Bytes(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool empty() const { return size_ == 0; }
    std::uint8_t Byte() {
        if (size_ == 0) return 0;
        --size_;
        return *data_++;
    }
    std::uint32_t Word() {
        std::uint32_t word = 0;
        for (int i = 0; i < 4; ++i) word = word << 8 | Byte();
        return word;
    }
    // A value from 0 to count - 1.
    unsigned Pick(unsigned count) { return count ? Byte() % count : 0; }
    double Double() {
        double value = 0;
        const std::size_t n = std::min(size_, sizeof value);
        std::memcpy(&value, data_, n);
        data_ += n;
        size_ -= n;
        return value;
    }
    // A text of up to `most` bytes, ended early by a zero byte.
    std::string Text(std::size_t most) {
        std::string text;
        while (size_ > 0 && text.size() < most) {
            const char c = static_cast<char>(Byte());
            if (c == '\0') break;
            text += c;
        }
        return text;
    }
    std::string Rest() {
        std::string rest(reinterpret_cast<const char*>(data_), size_);
        size_ = 0;
        return rest;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
};

// For the targets that need Qt: a QApplication on the offscreen platform, made once.
void NeedApplication();

}  // namespace tesmo::fuzz
