#include "qt/ImageEnds.h"

#include <cstdint>
#include <cstdlib>
#include <limits>

namespace tesmo {
namespace {

class Bytes {
public:
    explicit Bytes(const QByteArray& data) : data_(data) {}
    qint64 size() const { return data_.size(); }
    std::uint32_t at(qint64 i) const { return static_cast<std::uint8_t>(data_[i]); }
    std::uint32_t be16(qint64 i) const { return at(i) << 8 | at(i + 1); }
    std::uint32_t le16(qint64 i) const { return at(i) | at(i + 1) << 8; }
    std::uint32_t le32(qint64 i) const { return le16(i) | le16(i + 2) << 16; }

private:
    const QByteArray& data_;
};

// Segments from the start-of-image marker to the end-of-image marker; the entropy-coded data
// after a start-of-scan runs to the next marker that is not a stuffed byte or a restart.
bool JpegCutOff(const Bytes& b) {
    if (b.size() < 4 || b.at(0) != 0xFF || b.at(1) != 0xD8) return true;
    qint64 pos = 2;
    while (pos + 1 < b.size()) {
        if (b.at(pos) != 0xFF) {
            ++pos;  // stray bytes between segments, which decoders skip
            continue;
        }
        const std::uint32_t marker = b.at(pos + 1);
        if (marker == 0xFF) {
            ++pos;  // fill byte
            continue;
        }
        if (marker == 0xD9) return false;
        if (marker == 0x01 || marker == 0xD8 || (marker >= 0xD0 && marker <= 0xD7)) {
            pos += 2;
            continue;
        }
        if (pos + 4 > b.size()) return true;
        pos += 2 + b.be16(pos + 2);
        if (pos > b.size()) return true;
        if (marker != 0xDA) continue;
        while (pos + 1 < b.size()) {
            const std::uint32_t next = b.at(pos + 1);
            if (b.at(pos) == 0xFF && next != 0x00 && next != 0xFF && (next < 0xD0 || next > 0xD7)) break;
            ++pos;
        }
    }
    return true;
}

// Header and screen descriptor, then extensions and images as chains of sub-blocks, up to the
// trailer. A block of no known kind is left to the decoder to judge.
bool GifCutOff(const Bytes& b) {
    const auto colourTable = [&](std::uint32_t flags) -> qint64 { return flags & 0x80 ? 3 << ((flags & 7) + 1) : 0; };
    if (b.size() < 13) return true;
    qint64 pos = 13 + colourTable(b.at(10));
    const auto skipSubBlocks = [&] {
        while (pos < b.size()) {
            const std::uint32_t length = b.at(pos);
            pos += 1 + length;
            if (length == 0) return true;
        }
        return false;
    };
    while (pos < b.size()) {
        switch (b.at(pos)) {
        case 0x3B:
            return false;
        case 0x21:
            pos += 2;
            if (!skipSubBlocks()) return true;
            break;
        case 0x2C:
            if (pos + 10 > b.size()) return true;
            pos += 10 + colourTable(b.at(pos + 9)) + 1;  // descriptor, local colours, code size
            if (!skipSubBlocks()) return true;
            break;
        default:
            return false;
        }
    }
    return true;
}

// The header gives the file's size; a header giving 0 is judged by where the pixels start and
// how many bytes they take.
bool BmpCutOff(const Bytes& b) {
    if (b.size() < 30) return true;
    if (const std::uint32_t size = b.le32(2); size != 0) return b.size() < size;
    const qint64 offset = b.le32(10);
    const std::uint32_t header = b.le32(14);
    qint64 pixels = 0;
    if (header == 12) {
        pixels = ((qint64{b.le16(18)} * b.le16(24) + 31) / 32) * 4 * b.le16(20);
    } else {
        if (b.size() < 38) return true;
        const std::uint32_t compression = b.le32(30);
        pixels = b.le32(34);
        if (pixels == 0 && (compression == 0 || compression == 3)) {
            const qint64 width = std::llabs(static_cast<std::int32_t>(b.le32(18)));
            const qint64 height = std::llabs(static_cast<std::int32_t>(b.le32(22)));
            const qint64 row = ((width * b.le16(28) + 31) / 32) * 4;
            if (row != 0 && height > std::numeric_limits<qint64>::max() / 2 / row) return true;
            pixels = row * height;
        }
    }
    return b.size() < offset + pixels;
}

}  // namespace

bool CutOff(const QByteArray& data, const QByteArray& format) {
    const Bytes bytes(data);
    if (format == "bmp") return BmpCutOff(bytes);
    if (format == "jpeg") return JpegCutOff(bytes);
    if (format == "gif") return GifCutOff(bytes);
    return false;
}

}  // namespace tesmo
