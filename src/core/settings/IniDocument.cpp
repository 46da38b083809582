#include "settings/IniDocument.h"

#include <algorithm>
#include <cstdint>

namespace trevik {

namespace {

std::string_view trimmed(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!s.empty() && blank(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && blank(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

bool equalsNoCase(std::string_view a, std::string_view b) {
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c + 32) : c; };
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(),
                                              [&](char x, char y) { return lower(x) == lower(y); });
}

// The name of the section a line opens, if it is a section header.
std::optional<std::string_view> sectionOf(std::string_view line) {
    const std::string_view t = trimmed(line);
    if (t.empty() || t.front() != '[') {
        return std::nullopt;
    }
    const auto close = t.find(']');
    return trimmed(
        t.substr(1, close == std::string_view::npos ? std::string_view::npos : close - 1));
}

struct KeyLine {
    std::string_view key;
    std::string_view value;
};

std::optional<KeyLine> keyOf(std::string_view line) {
    const auto equals = line.find('=');
    if (equals == std::string_view::npos) {
        return std::nullopt;
    }
    return KeyLine{trimmed(line.substr(0, equals)), line.substr(equals + 1)};
}

std::string withoutLineBreaks(std::string_view s) {
    std::string out;
    out.reserve(s.size());
    std::copy_if(s.begin(), s.end(), std::back_inserter(out),
                 [](char c) { return c != '\r' && c != '\n'; });
    return out;
}

int hexDigit(char c) {
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

} // namespace

IniDocument IniDocument::parse(std::string_view text) {
    IniDocument doc;
    // A line ends at LF, CR LF or a lone CR (old Mac files); each keeps its own ending.
    while (!text.empty()) {
        const auto end = text.find_first_of("\r\n");
        Line line;
        if (end == std::string_view::npos) {
            line.content = std::string(text);
            text = {};
        } else {
            line.content = std::string(text.substr(0, end));
            const bool crlf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
            line.ending = crlf ? "\r\n" : std::string(1, text[end]);
            text.remove_prefix(end + line.ending.size());
        }
        doc.lines_.push_back(std::move(line));
    }
    return doc;
}

std::string IniDocument::text() const {
    std::string out;
    for (const Line& line : lines_) {
        out += line.content;
        out += line.ending;
    }
    return out;
}

std::string IniDocument::newline() const {
    for (const Line& line : lines_) {
        if (!line.ending.empty()) {
            return line.ending;
        }
    }
    return "\n";
}

std::optional<std::string> IniDocument::value(std::string_view section,
                                              std::string_view key) const {
    bool inSection = false;
    bool seenSection = false;
    for (const Line& line : lines_) {
        if (const auto name = sectionOf(line.content)) {
            if (inSection) {
                return std::nullopt; // only the first section of a name counts
            }
            inSection = !seenSection && equalsNoCase(*name, section);
            seenSection = seenSection || inSection;
            continue;
        }
        if (inSection) {
            if (const auto entry = keyOf(line.content); entry && equalsNoCase(entry->key, key)) {
                return std::string(entry->value);
            }
        }
    }
    return std::nullopt;
}

void IniDocument::setValue(std::string_view section, std::string_view key, std::string_view value) {
    const std::string clean = withoutLineBreaks(value);
    const std::string nl = newline();
    std::size_t sectionStart = lines_.size();
    std::size_t insertAt = lines_.size();
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const std::string& content = lines_[i].content;
        if (const auto name = sectionOf(content)) {
            if (sectionStart < lines_.size()) {
                break; // the end of our section
            }
            if (equalsNoCase(*name, section)) {
                sectionStart = i;
                insertAt = i + 1;
            }
            continue;
        }
        if (sectionStart == lines_.size()) {
            continue;
        }
        if (const auto entry = keyOf(content); entry && equalsNoCase(entry->key, key)) {
            lines_[i].content = std::string(entry->key) + "=" + clean;
            return;
        }
        if (!trimmed(content).empty()) {
            insertAt = i + 1;
        }
    }
    if (!lines_.empty() && lines_.back().ending.empty()) {
        lines_.back().ending = nl;
    }
    if (sectionStart == lines_.size()) {
        lines_.push_back({"[" + std::string(section) + "]", nl});
        insertAt = lines_.size();
    }
    lines_.insert(lines_.begin() + std::ptrdiff_t(insertAt),
                  Line{std::string(key) + "=" + clean, nl});
}

int parseProfileInt(std::string_view text, int fallback) {
    // Trailing blanks are common in hand-edited files and are not part of the number.
    text = trimmed(text);
    if (text.empty()) {
        return fallback;
    }
    bool hex = false;
    if (text.front() == '$' || text.front() == 'x' || text.front() == 'X') {
        hex = true;
        text.remove_prefix(1);
    } else if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        hex = true;
        text.remove_prefix(2);
    }
    if (hex) {
        if (text.empty()) {
            return fallback;
        }
        std::uint64_t value = 0;
        for (const char c : text) {
            const int digit = hexDigit(c);
            if (digit < 0) {
                return fallback;
            }
            value = value * 16 + std::uint64_t(digit);
            if (value > 0xFFFFFFFFu) {
                return fallback;
            }
        }
        return static_cast<int>(static_cast<std::uint32_t>(value));
    }
    bool negative = false;
    if (text.front() == '+' || text.front() == '-') {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return fallback;
    }
    std::int64_t value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            return fallback;
        }
        value = value * 10 + (c - '0');
        if (value > 2147483648LL) {
            return fallback;
        }
    }
    value = negative ? -value : value;
    if (value > 2147483647LL) {
        return fallback;
    }
    return static_cast<int>(value);
}

} // namespace trevik
