#pragma once

#include "common/DateTime.h"

#include <bit>
#include <cstdint>
#include <unordered_map>

namespace trevik {

// The positions of a record file's records by global identity, built once per pass so that
// finding an incoming record costs no scan. It gives what FindByOrigin gives: the first
// position whose creation stamp has exactly the same bits and whose origin is the same.
class OriginIndex {
public:
    template <typename Set> void build(Set& set) {
        positions_.clear();
        positions_.reserve(std::size_t(set.count()));
        for (bool more = set.BeginScan(); more && !set.AtEnd(); set.Next()) {
            add(set.created, set.originUid, set.position());
        }
    }

    // -1 when no record has this identity.
    std::int32_t find(DateTime created, std::int32_t originUid) const {
        const auto found = positions_.find(Key{std::bit_cast<std::uint64_t>(created), originUid});
        return found == positions_.end() ? -1 : found->second;
    }

    // A record appended at `position`; an identity already listed keeps its first position.
    void add(DateTime created, std::int32_t originUid, std::int32_t position) {
        positions_.emplace(Key{std::bit_cast<std::uint64_t>(created), originUid}, position);
    }

private:
    struct Key {
        std::uint64_t createdBits;
        std::int32_t originUid;
        bool operator==(const Key&) const = default;
    };
    struct KeyHash {
        std::size_t operator()(const Key& key) const {
            std::uint64_t h = key.createdBits * 0x9E3779B97F4A7C15ull;
            h ^= std::uint64_t(std::uint32_t(key.originUid)) + 0x632BE59BD9B4E019ull + (h << 6) +
                 (h >> 2);
            return std::size_t(h ^ (h >> 29));
        }
    };
    std::unordered_map<Key, std::int32_t, KeyHash> positions_;
};

} // namespace trevik
