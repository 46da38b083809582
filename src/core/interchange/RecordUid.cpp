#include "interchange/RecordUid.h"

#include <bit>
#include <cstdio>

namespace trevik {

namespace {

constexpr std::string_view kUuidPrefix = "urn:uuid:";
// The 26 low bits of our UUIDs, telling them from other version-8 UUIDs.
constexpr std::uint64_t kMark = 0x2A7E51C;
constexpr std::uint64_t kMarkMask = (1u << 26) - 1;

// 122 bits of payload around the version and variant bits: 48 + 12 + 62.
struct UuidBits {
    std::uint64_t high = 0; // 48 bits, 4-bit version 8, 12 bits
    std::uint64_t low = 0;  // 2-bit variant, 62 bits
};

int hexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

bool parseUuid(std::string_view text, UuidBits& bits) {
    if (text.size() != 36) {
        return false;
    }
    std::uint64_t parts[2] = {0, 0};
    int nibbles = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i == 8 || i == 13 || i == 18 || i == 23) {
            if (text[i] != '-') {
                return false;
            }
            continue;
        }
        const int value = hexValue(text[i]);
        if (value < 0) {
            return false;
        }
        std::uint64_t& part = parts[nibbles / 16];
        part = (part << 4) | std::uint64_t(value);
        ++nibbles;
    }
    bits.high = parts[0];
    bits.low = parts[1];
    return true;
}

std::uint64_t fnv1a(std::string_view text, std::uint64_t seed) {
    std::uint64_t h = seed;
    for (const char c : text) {
        h ^= std::uint8_t(c);
        h *= 0x100000001B3ull;
    }
    return h;
}

} // namespace

std::string recordUid(DateTime created, std::int32_t originUid) {
    const std::uint64_t c = std::bit_cast<std::uint64_t>(created);
    const std::uint64_t high = ((c >> 16) << 16) | (0x8ull << 12) | ((c >> 4) & 0xFFF);
    const std::uint64_t low = (0x2ull << 62) | ((c & 0xF) << 58) |
                              (std::uint64_t(std::uint32_t(originUid)) << 26) | kMark;
    char text[64];
    std::snprintf(text, sizeof text, "urn:uuid:%08llx-%04llx-%04llx-%04llx-%012llx",
                  (unsigned long long)(high >> 32), (unsigned long long)((high >> 16) & 0xFFFF),
                  (unsigned long long)(high & 0xFFFF), (unsigned long long)(low >> 48),
                  (unsigned long long)(low & 0xFFFFFFFFFFFFull));
    return text;
}

bool isRecordUid(std::string_view uid) {
    if (!uid.starts_with(kUuidPrefix)) {
        return false;
    }
    UuidBits bits;
    return parseUuid(uid.substr(kUuidPrefix.size()), bits) && ((bits.high >> 12) & 0xF) == 8 &&
           (bits.low >> 62) == 2 && (bits.low & kMarkMask) == kMark;
}

RecordIdentity identityFromUid(std::string_view uid) {
    if (isRecordUid(uid)) {
        UuidBits bits;
        parseUuid(uid.substr(kUuidPrefix.size()), bits);
        const std::uint64_t c =
            ((bits.high >> 16) << 16) | (((bits.high & 0xFFF)) << 4) | ((bits.low >> 58) & 0xF);
        return {std::bit_cast<DateTime>(c), std::int32_t(std::uint32_t(bits.low >> 26))};
    }
    // Another program's UID: two independent hashes make a creation stamp among the civil days
    // (to the millisecond, as ours are) and an origin, 67 bits in all.
    const std::uint64_t a = fnv1a(uid, 0xCBF29CE484222325ull);
    const std::uint64_t b = fnv1a(uid, 0x84222325CBF29CE4ull);
    const std::uint64_t days = a % std::uint64_t(kLastCivilDay - kFirstCivilDay);
    const std::uint64_t milliseconds = (a >> 32) % 86400000ull;
    const DateTime created =
        double(kFirstCivilDay + std::int64_t(days)) + double(milliseconds) / 86400000.0;
    return {created, std::int32_t(std::uint32_t(b))};
}

std::string vdirFileStem(std::string_view uid) {
    if (uid.starts_with(kUuidPrefix)) {
        uid.remove_prefix(kUuidPrefix.size());
    }
    std::string stem;
    for (const char c : uid) {
        const bool safe = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') ||
                          (c >= '0' && c <= '9') || c == '-' || c == '_' || c == '.' || c == '@';
        stem += safe ? c : '_';
    }
    if (stem.empty() || stem[0] == '.') {
        stem.insert(stem.begin(), '_');
    }
    return stem;
}

} // namespace trevik
