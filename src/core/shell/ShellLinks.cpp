#include "shell/ShellLinks.h"

#include <array>
#include <cctype>
#include <cstdio>

namespace trevik {

namespace {

// A scheme is a letter, then letters, digits, '+', '-' or '.', then ':' not followed by a
// digit (so "localhost:8080" is a host and port, not a scheme).
bool hasScheme(std::string_view text) {
    if (text.empty() || !std::isalpha(static_cast<unsigned char>(text[0]))) {
        return false;
    }
    for (std::size_t i = 1; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == ':') {
            return i + 1 >= text.size() || !std::isdigit(static_cast<unsigned char>(text[i + 1]));
        }
        if (!std::isalnum(c) && c != '+' && c != '-' && c != '.') {
            return false;
        }
    }
    return false;
}

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) {
        return false;
    }
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) != prefix[i]) {
            return false;
        }
    }
    return true;
}

std::string_view trimmed(std::string_view text) {
    const auto blank = [](char c) { return std::isspace(static_cast<unsigned char>(c)) != 0; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

} // namespace

std::string mailAddress(std::string_view email) {
    std::string_view address = trimmed(email);
    if (startsWithNoCase(address, "mailto:")) {
        address.remove_prefix(7);
    }
    address = address.substr(0, address.find_first_of("?#"));
    return std::string(trimmed(address));
}

std::string webLink(std::string_view www) {
    const std::string_view text = trimmed(www);
    if (hasScheme(text)) {
        return std::string(text);
    }
    return "http://" + std::string(text);
}

bool isPlainWebLink(std::string_view link) {
    for (const std::string_view scheme : {"http:", "https:", "ftp:"}) {
        if (startsWithNoCase(link, scheme)) {
            return true;
        }
    }
    return false;
}

std::string visibleLinkText(std::string_view link) {
    std::string shown;
    shown.reserve(link.size());
    for (const char c : link) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) {
            std::array<char, 5> escaped{};
            std::snprintf(escaped.data(), escaped.size(), "\\x%02X", unsigned(byte));
            shown += escaped.data();
        } else {
            shown += c;
        }
    }
    return shown;
}

} // namespace trevik
