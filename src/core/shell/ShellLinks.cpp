#include "shell/ShellLinks.h"

#include <cctype>

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

} // namespace

std::string MailtoLink(std::string_view email) {
    if (startsWithNoCase(email, "mailto:")) {
        return std::string(email);
    }
    return "mailto:" + std::string(email);
}

std::string WebLink(std::string_view www) {
    if (hasScheme(www)) {
        return std::string(www);
    }
    return "http://" + std::string(www);
}

} // namespace trevik
