#include "interchange/FieldText.h"

#include "common/Cp1252.h"

namespace trevik {

namespace {

bool isValidUtf8(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = std::uint8_t(text[i]);
        std::size_t length = c < 0x80         ? 1
                             : (c >> 5) == 6  ? 2
                             : (c >> 4) == 14 ? 3
                             : (c >> 3) == 30 ? 4
                                              : 0;
        if (length == 0 || i + length > text.size()) {
            return false;
        }
        for (std::size_t k = 1; k < length; ++k) {
            if ((std::uint8_t(text[i + k]) >> 6) != 2) {
                return false;
            }
        }
        i += length;
    }
    return true;
}

} // namespace

std::string fieldText(std::string_view text, std::size_t width, bool lineBreaks, const char* field,
                      std::vector<std::string>& losses) {
    std::string stored;
    if (isValidUtf8(text)) {
        stored = utf8ToCp1252(text);
        if (cp1252ToUtf8(stored) != text) {
            losses.push_back(std::string(field) + ": characters outside Windows-1252 became \"?\"");
        }
    } else {
        // An old vCard without a CHARSET: its bytes are taken as the Windows code page they
        // nearly always are.
        stored = std::string(text);
    }
    std::string clean;
    bool controls = false;
    bool flattened = false;
    for (std::size_t i = 0; i < stored.size(); ++i) {
        const char c = stored[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < stored.size() && stored[i + 1] == '\n') {
                ++i;
            }
            if (lineBreaks) {
                clean += "\r\n";
            } else {
                clean += ' ';
                flattened = true;
            }
        } else if (std::uint8_t(c) < 0x20 || c == 0x7F) {
            clean += ' ';
            controls = c != '\t' || controls;
            flattened = flattened || c == '\t';
        } else {
            clean += c;
        }
    }
    if (flattened) {
        losses.push_back(std::string(field) + ": line breaks and tabs became spaces");
    }
    if (controls) {
        losses.push_back(std::string(field) + ": control characters became spaces");
    }
    if (clean.size() > width) {
        std::size_t cut = width;
        // Never leave half of a CR LF behind.
        if (cut > 0 && clean[cut - 1] == '\r') {
            --cut;
        }
        clean.resize(cut);
        losses.push_back(std::string(field) + ": cut to " + std::to_string(width) + " characters");
    }
    return clean;
}

std::string withoutOuterBlanks(std::string_view text, bool controls) {
    const auto blank = [controls](char c) {
        return c == ' ' || (controls && (std::uint8_t(c) < 0x20 || c == 0x7F));
    };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return std::string(text);
}

std::string exportedText(std::string_view stored) {
    std::string text;
    for (std::size_t i = 0; i < stored.size(); ++i) {
        if (stored[i] == '\r' && i + 1 < stored.size() && stored[i + 1] == '\n') {
            continue;
        }
        text += stored[i];
    }
    return cp1252ToUtf8(text);
}

} // namespace trevik
