#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "tesmo/Variant.h"
#include "tesmo/tyPoint.h"

namespace tesmo {

// The chart's points in the order they were added, each under a unique text key.
// Look-up by position is O(1), and by key once the keys are built: keys built from numeric
// coordinates are given when a key is first looked up (all those added since at once), and
// are not stored but rebuilt when compared, which keeps a point at about 40 bytes. A key built from
// a text coordinate is stored, since reading the text depends on the locale of the moment.
class clsPoints {
public:
    // Adds a point under Key, or under a key built from the coordinates when Key is empty:
    // "{x}:{Y}", then "{x}:{Y},1", ",2"... while the key is taken. Throws tesmo::Error:
    // 457 for a key in use, 13 for a coordinate that is no number, 6 beyond ",32767".
    void Add(const Variant& x, const Variant& Y, const std::string& Key = {});
    void Clear();
    // Changes whenever points are taken away (a clear), never while points are only added:
    // the first Count() points of one generation stay as they were.
    std::uint64_t Generation() const { return generation_; }
    std::int32_t Count() const { return static_cast<std::int32_t>(slots_.size()); }
    // By 1-based position (a number) or by key (a text). Throws 9 or 5 when absent.
    tyPoint Item(const Variant& Index) const;
    // The Index of the point stored under Key. Throws 5 when absent.
    std::int32_t Index(const std::string& Key) const;

    // The values of the point at a 0-based position, as the host gave them.
    Variant XAt(std::size_t position) const { return Decode(slots_[position].xType, slots_[position].x); }
    Variant YAt(std::size_t position) const { return Decode(slots_[position].yType, slots_[position].y); }

    // The number a coordinate holds when it is neither a text nor a date.
    std::optional<double> XNumberAt(std::size_t position) const { return NumberOf(slots_[position].xType, slots_[position].x); }
    std::optional<double> YNumberAt(std::size_t position) const { return NumberOf(slots_[position].yType, slots_[position].y); }

    // The key of the point at a 0-based position.
    std::string KeyAt(std::size_t position) const;

private:
    struct Slot {
        double x;
        double y;
        std::int32_t index;
        std::int16_t suffix;  // -1: a stored key; 0: the built key; n: built key + ",n"
        std::uint8_t xType;
        std::uint8_t yType;
    };
    static constexpr std::int16_t kStoredKey = -1;

    static std::optional<double> NumberOf(std::uint8_t type, double stored) {
        const auto t = static_cast<VarType>(type);
        if (t == VarType::String || t == VarType::Date) return std::nullopt;
        return stored;
    }
    double Encode(const Variant& value, std::uint8_t& type);
    Variant Decode(std::uint8_t type, double stored) const;
    static std::string BaseKey(const Variant& x, const Variant& y);
    // The key of a point whose key is in the table.
    std::string KeyOf(std::size_t position) const;
    // The 0-based position stored under a key, or -1.
    std::int64_t Find(std::string_view key) const;
    void InsertKey(std::string_view key, std::size_t position) const;
    void Grow() const;
    // The first free key from a base key on; `suffix` gets its suffix. Throws 6 beyond ",32767".
    std::string BuiltKey(const std::string& base, std::int16_t& suffix) const;
    // Gives the points added since the last look-up their built keys, in the order added.
    void IndexKeys() const;

    static std::uint64_t NextGeneration();

    std::uint64_t generation_ = NextGeneration();
    // The keys are an index over the points, built as they are looked up.
    mutable std::vector<Slot> slots_;
    std::vector<std::string> texts_;                         // text coordinates
    std::unordered_map<std::uint32_t, std::string> storedKeys_;  // position -> key, for kStoredKey
    mutable std::unordered_map<std::string, std::int16_t> lastSuffix_;  // built keys taken up to that suffix
    // Open addressing: high 32 bits the key's hash, low 32 bits position + 1; 0 is empty.
    mutable std::vector<std::uint64_t> table_;
    mutable std::size_t indexed_ = 0;  // the points whose keys are in the table
};

}  // namespace tesmo
