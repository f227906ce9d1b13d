#include "scale/clsPoints.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <functional>

#include "support/Conversions.h"
#include "support/NumberFormat.h"
#include "tesmo/Error.h"

namespace tesmo {
namespace {

std::uint32_t Fingerprint(std::string_view key) {
    const std::size_t h = std::hash<std::string_view>{}(key);
    return static_cast<std::uint32_t>(h ^ (h >> 32));
}

[[noreturn]] void MissingKey() {
    throw Error(errors::InvalidProcedureCall, "Invalid procedure call or argument");
}

std::string WithSuffix(const std::string& base, std::int16_t suffix) {
    return suffix == 0 ? base : base + "," + std::to_string(suffix);
}

}  // namespace

std::string clsPoints::BaseKey(const Variant& x, const Variant& y) {
    // Built with "." whatever the locale, so that keys never depend on it.
    return FormatGeneral(x.toDouble(), 15, ".") + ":" + FormatGeneral(y.toDouble(), 15, ".");
}

void clsPoints::Add(const Variant& x, const Variant& Y, const std::string& Key) {
    const std::size_t position = slots_.size();
    if (position >= static_cast<std::size_t>(INT32_MAX)) throw Error(errors::Overflow, "Overflow");
    const bool texts = x.type() == VarType::String || Y.type() == VarType::String;
    // A key built from numbers can be given later, when a key is first looked up: it is
    // the same then, and a chart that never looks one up never builds them. A key built
    // from a text is read in the locale of the moment; a given key has to be checked now;
    // and only among as many points as a suffix allows can a built key never overflow.
    const bool later = Key.empty() && !texts && position < static_cast<std::size_t>(INT16_MAX);
    std::string key;
    std::int16_t suffix = kStoredKey;
    if (!later) {
        IndexKeys();
        if (!Key.empty()) {
            if (Find(Key) >= 0)
                throw Error(errors::KeyInUse, "This key is already associated with an element of this collection");
            key = Key;
        } else {
            key = BuiltKey(BaseKey(x, Y), suffix);
            if (texts) suffix = kStoredKey;
        }
    }

    Slot slot{};
    slot.x = Encode(x, slot.xType);
    slot.y = Encode(Y, slot.yType);
    slot.index = static_cast<std::int32_t>(position) + 1;
    slot.suffix = suffix;
    slots_.push_back(slot);
    if (later) return;
    if (suffix == kStoredKey) storedKeys_.emplace(static_cast<std::uint32_t>(position), key);
    InsertKey(key, position);
    indexed_ = slots_.size();
}

std::string clsPoints::BuiltKey(const std::string& base, std::int16_t& suffix) const {
    // Keys are only ever added, so the search resumes after the last suffix it gave.
    const auto last = lastSuffix_.find(base);
    suffix = 0;
    if (last != lastSuffix_.end()) {
        if (last->second == INT16_MAX) throw Error(errors::Overflow, "Overflow");
        suffix = static_cast<std::int16_t>(last->second + 1);
    }
    std::string key = WithSuffix(base, suffix);
    while (Find(key) >= 0) {
        if (suffix == INT16_MAX) throw Error(errors::Overflow, "Overflow");
        ++suffix;
        key = WithSuffix(base, suffix);
    }
    if (suffix > 0) lastSuffix_[base] = suffix;
    return key;
}

void clsPoints::IndexKeys() const {
    for (; indexed_ < slots_.size(); ++indexed_) {
        Slot& slot = slots_[indexed_];
        const std::string key = BuiltKey(BaseKey(XAt(indexed_), YAt(indexed_)), slot.suffix);
        InsertKey(key, indexed_);
    }
}

std::uint64_t clsPoints::NextGeneration() {
    // Unique across all point collections, so that a new collection never passes for one
    // that was deleted.
    static std::atomic<std::uint64_t> next{0};
    return ++next;
}

void clsPoints::Clear() {
    generation_ = NextGeneration();
    std::vector<Slot>().swap(slots_);
    std::vector<std::string>().swap(texts_);
    std::vector<std::uint64_t>().swap(table_);
    storedKeys_.clear();
    lastSuffix_.clear();
    indexed_ = 0;
}

tyPoint clsPoints::Item(const Variant& Index) const {
    std::size_t position = 0;
    if (Index.type() == VarType::String) {
        IndexKeys();
        const std::int64_t found = Find(Index.text());
        if (found < 0) MissingKey();
        position = static_cast<std::size_t>(found);
    } else {
        if (Index.isEmpty()) MissingKey();
        const double n = RoundHalfEven(Index.toDouble());
        if (!(n >= 1 && n <= static_cast<double>(slots_.size())))
            throw Error(errors::SubscriptOutOfRange, "Subscript out of range");
        position = static_cast<std::size_t>(n) - 1;
    }
    return tyPoint(XAt(position), YAt(position), slots_[position].index);
}

std::int32_t clsPoints::Index(const std::string& Key) const {
    IndexKeys();
    const std::int64_t found = Find(Key);
    if (found < 0) MissingKey();
    return slots_[static_cast<std::size_t>(found)].index;
}

std::string clsPoints::KeyAt(std::size_t position) const {
    IndexKeys();
    return KeyOf(position);
}

std::string clsPoints::KeyOf(std::size_t position) const {
    const Slot& slot = slots_[position];
    if (slot.suffix == kStoredKey) return storedKeys_.at(static_cast<std::uint32_t>(position));
    return WithSuffix(BaseKey(XAt(position), YAt(position)), slot.suffix);
}

double clsPoints::Encode(const Variant& value, std::uint8_t& type) {
    type = static_cast<std::uint8_t>(value.type());
    if (value.type() != VarType::String) return value.number();
    texts_.push_back(value.text());
    return static_cast<double>(texts_.size() - 1);
}

Variant clsPoints::Decode(std::uint8_t type, double stored) const {
    switch (static_cast<VarType>(type)) {
        case VarType::Empty: return {};
        case VarType::Boolean: return Variant(stored != 0);
        case VarType::Integer: return Variant(static_cast<std::int16_t>(stored));
        case VarType::Long: return Variant(static_cast<std::int32_t>(stored));
        case VarType::Single: return Variant(static_cast<float>(stored));
        case VarType::Double: return Variant(stored);
        case VarType::Date: return Variant::fromDate(stored);
        case VarType::String: return Variant(texts_[static_cast<std::size_t>(stored)]);
    }
    return {};
}

std::int64_t clsPoints::Find(std::string_view key) const {
    if (table_.empty()) return -1;
    const std::uint32_t fp = Fingerprint(key);
    const std::size_t mask = table_.size() - 1;
    for (std::size_t i = fp & mask;; i = (i + 1) & mask) {
        const std::uint64_t entry = table_[i];
        if (entry == 0) return -1;
        if (static_cast<std::uint32_t>(entry >> 32) == fp) {
            const std::size_t position = static_cast<std::uint32_t>(entry) - 1;
            if (KeyOf(position) == key) return static_cast<std::int64_t>(position);
        }
    }
}

void clsPoints::InsertKey(std::string_view key, std::size_t position) const {
    if ((slots_.size()) * 2 > table_.size()) Grow();
    const std::uint32_t fp = Fingerprint(key);
    const std::size_t mask = table_.size() - 1;
    std::size_t i = fp & mask;
    while (table_[i] != 0) i = (i + 1) & mask;
    table_[i] = (static_cast<std::uint64_t>(fp) << 32) | static_cast<std::uint32_t>(position + 1);
}

void clsPoints::Grow() const {
    std::vector<std::uint64_t> old(std::max<std::size_t>(16, table_.size() * 2), 0);
    old.swap(table_);
    const std::size_t mask = table_.size() - 1;
    for (std::uint64_t entry : old) {
        if (entry == 0) continue;
        std::size_t i = static_cast<std::uint32_t>(entry >> 32) & mask;
        while (table_[i] != 0) i = (i + 1) & mask;
        table_[i] = entry;
    }
}

}  // namespace tesmo
