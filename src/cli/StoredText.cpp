#include "StoredText.h"

#include "CliContext.h"
#include "common/Cp1252.h"

#include <cstdint>
#include <cstdio>
#include <vector>

namespace trevik::cli {

namespace {

constexpr char32_t kBroken = 0xFFFFFFFF;

// The code point that starts at text[i], advancing i past it; kBroken for a byte that does not
// start a well-formed UTF-8 sequence (overlong forms and surrogates included), which is
// skipped alone.
char32_t nextCodePoint(const std::string& text, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(text[i++]);
    if (lead < 0x80) {
        return lead;
    }
    int extra = 0;
    char32_t cp = 0;
    char32_t least = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        extra = 1;
        cp = lead & 0x1F;
        least = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        cp = lead & 0x0F;
        least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        extra = 3;
        cp = lead & 0x07;
        least = 0x10000;
    } else {
        return kBroken;
    }
    if (i + std::size_t(extra) > text.size()) {
        return kBroken;
    }
    for (int k = 0; k < extra; ++k) {
        const auto next = static_cast<unsigned char>(text[i + std::size_t(k)]);
        if ((next & 0xC0) != 0x80) {
            return kBroken;
        }
        cp = (cp << 6) | (next & 0x3F);
    }
    if (cp < least || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        return kBroken;
    }
    i += std::size_t(extra);
    return cp;
}

// The Windows-1252 byte of a code point, or nothing.
std::optional<char> byteOf(const std::string& utf8, char32_t cp) {
    if (cp == '?') {
        return '?';
    }
    const std::string stored = utf8ToCp1252(utf8);
    if (stored.size() != 1 || stored[0] == '?') {
        return std::nullopt;
    }
    return stored[0];
}

bool isControl(char32_t cp) {
    return cp < 0x20 || (cp >= 0x7F && cp <= 0x9F);
}

std::string codePointName(char32_t cp) {
    char name[16];
    std::snprintf(name, sizeof name, "U+%04X", unsigned(cp));
    return name;
}

// "x (U+0078)" for each character, at most a handful, so the message stays one line.
std::string listOf(const std::vector<std::pair<std::string, char32_t>>& characters) {
    constexpr std::size_t kShown = 5;
    std::string list;
    for (std::size_t k = 0; k < characters.size() && k < kShown; ++k) {
        list += (k == 0 ? "" : ", ") + characters[k].first + " (" +
                codePointName(characters[k].second) + ")";
    }
    if (characters.size() > kShown) {
        list += " and " + std::to_string(characters.size() - kShown) + " more";
    }
    return list;
}

} // namespace

std::string storedText(const std::string& utf8, const char* field, const TextRules& rules) {
    const std::string name(field);
    std::string stored;
    std::vector<std::pair<std::string, char32_t>> unsupported;
    bool broken = false;
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t start = i;
        const char32_t cp = nextCodePoint(utf8, i);
        if (cp == '\t') {
            throw UsageError(name + " holds a tab");
        }
        if (cp == '\r' || cp == '\n') {
            if (!rules.lineBreaks) {
                throw UsageError(name + " holds a line break");
            }
            if (cp == '\n' || i >= utf8.size() || utf8[i] != '\n') {
                throw UsageError(name + " holds a line break that is not CR LF");
            }
            stored += "\r\n";
            ++i;
            continue;
        }
        if (cp != kBroken && isControl(cp)) {
            throw UsageError(name + " holds a control character (" + codePointName(cp) + ")");
        }
        const std::string character = utf8.substr(start, i - start);
        const std::optional<char> byte = cp == kBroken ? std::nullopt : byteOf(character, cp);
        if (byte) {
            stored += *byte;
            continue;
        }
        stored += '?';
        if (cp == kBroken) {
            broken = true;
        } else {
            bool listed = false;
            for (const auto& seen : unsupported) {
                listed = listed || seen.second == cp;
            }
            if (!listed) {
                unsupported.emplace_back(character, cp);
            }
        }
    }
    if (!rules.replaceUnsupported) {
        if (broken) {
            throw UsageError(name + " is not valid UTF-8; --replace-unsupported stores its "
                                    "broken bytes as \"?\"");
        }
        if (unsupported.size() == 1) {
            throw UsageError(name + " holds a character Windows-1252 cannot store: " +
                             listOf(unsupported) + "; --replace-unsupported stores it as \"?\"");
        }
        if (!unsupported.empty()) {
            throw UsageError(name + " holds characters Windows-1252 cannot store: " +
                             listOf(unsupported) + "; --replace-unsupported stores them as \"?\"");
        }
    }
    if (stored.size() > rules.width) {
        throw UsageError(name + " is longer than " + std::to_string(rules.width) + " characters");
    }
    return stored;
}

std::optional<std::string> storableText(const std::string& utf8) {
    std::string stored;
    for (std::size_t i = 0; i < utf8.size();) {
        const std::size_t start = i;
        const char32_t cp = nextCodePoint(utf8, i);
        const std::optional<char> byte =
            cp == kBroken ? std::nullopt : byteOf(utf8.substr(start, i - start), cp);
        if (!byte) {
            return std::nullopt;
        }
        stored += *byte;
    }
    return stored;
}

} // namespace trevik::cli
