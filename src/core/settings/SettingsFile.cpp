#include "settings/SettingsFile.h"

#include "storage/FileLock.h"
#include "storage/SafeSave.h"

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace trevik {

SettingsFile::SettingsFile(std::filesystem::path path) : path_(std::move(path)) {}

SettingsFile SettingsFile::standard() {
    const char* config = std::getenv("XDG_CONFIG_HOME");
    std::filesystem::path dir;
    if (config != nullptr && *config != '\0') {
        dir = config;
    } else {
        const char* home = std::getenv("HOME");
        dir = std::filesystem::path(home != nullptr ? home : ".") / ".config";
    }
    return SettingsFile(dir / kFileName);
}

namespace {

void appendUtf8(std::string& out, std::uint32_t code) {
    if (code < 0x80) {
        out += char(code);
    } else if (code < 0x800) {
        out += char(0xC0 | (code >> 6));
        out += char(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += char(0xE0 | (code >> 12));
        out += char(0x80 | ((code >> 6) & 0x3F));
        out += char(0x80 | (code & 0x3F));
    } else {
        out += char(0xF0 | (code >> 18));
        out += char(0x80 | ((code >> 12) & 0x3F));
        out += char(0x80 | ((code >> 6) & 0x3F));
        out += char(0x80 | (code & 0x3F));
    }
}

std::string utf16ToUtf8(std::string_view bytes, bool bigEndian) {
    std::string out;
    out.reserve(bytes.size() / 2);
    const auto unit = [&](std::size_t i) {
        const auto a = std::uint8_t(bytes[i]);
        const auto b = std::uint8_t(bytes[i + 1]);
        return std::uint32_t(bigEndian ? (a << 8) | b : (b << 8) | a);
    };
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        std::uint32_t code = unit(i);
        if (code >= 0xD800 && code < 0xDC00 && i + 3 < bytes.size()) {
            const std::uint32_t low = unit(i + 2);
            if (low >= 0xDC00 && low < 0xE000) {
                code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        appendUtf8(out, code);
    }
    return out;
}

} // namespace

std::string decodeSettingsText(std::string_view bytes) {
    std::string text;
    if (bytes.size() >= 2 &&
        (bytes.substr(0, 2) == "\xFF\xFE" || bytes.substr(0, 2) == "\xFE\xFF")) {
        text = utf16ToUtf8(bytes.substr(2), bytes[0] == '\xFE');
    } else if (bytes.substr(0, 3) == "\xEF\xBB\xBF") {
        text = bytes.substr(3);
    } else {
        text = bytes;
    }
    std::erase(text, '\0');
    return text;
}

IniDocument SettingsFile::read() const {
    std::string ignored;
    return read(ignored);
}

IniDocument SettingsFile::read(std::string& error) const {
    error.clear();
    const int fd = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        const int reason = errno;
        std::string linkError;
        followLinks(path_, linkError);
        if (reason != ENOENT || !linkError.empty()) {
            error = linkError.empty() ? path_.string() + ": " + systemReason(reason) : linkError;
        }
        return {};
    }
    std::string bytes;
    const bool whole = readAll(fd, bytes);
    const int reason = errno;
    ::close(fd);
    if (!whole) {
        error = path_.string() + ": " + systemReason(reason);
        return {};
    }
    return IniDocument::parse(decodeSettingsText(bytes));
}

std::string SettingsFile::update(const std::function<void(IniDocument&)>& change) const {
    std::error_code ignored;
    if (path_.has_parent_path()) {
        std::filesystem::create_directories(path_.parent_path(), ignored);
    }
    // The lock on the settings file itself serialises every read-change-write, also across
    // the window and the command-line tool.
    const LockedFile lock = openLocked(path_, LockAccess::Create);
    if (lock.fd < 0) {
        return path_.string() + ": " + lock.reason;
    }
    std::string bytes;
    const bool whole = readAll(lock.fd, bytes);
    const int reason = errno;
    if (!whole) {
        ::close(lock.fd);
        return path_.string() + ": " + systemReason(reason);
    }
    IniDocument document = IniDocument::parse(decodeSettingsText(bytes));
    change(document);
    removeStaleTemporaries(path_);
    const std::string error = saveSafely(path_, document.text());
    ::close(lock.fd);
    return error;
}

std::string readString(const IniDocument& doc, std::string_view section, std::string_view key,
                       std::string_view fallback) {
    auto value = doc.value(section, key);
    return value ? *value : std::string(fallback);
}

std::int32_t readInteger(const IniDocument& doc, std::string_view section, std::string_view key,
                         std::int32_t fallback) {
    const auto value = doc.value(section, key);
    return value ? parseProfileInt(*value, fallback) : fallback;
}

bool readBool(const IniDocument& doc, std::string_view section, std::string_view key,
              bool fallback) {
    return readInteger(doc, section, key, fallback ? 1 : 0) != 0;
}

void writeInteger(IniDocument& doc, std::string_view section, std::string_view key,
                  std::int32_t value) {
    doc.setValue(section, key, std::to_string(value));
}

void writeBool(IniDocument& doc, std::string_view section, std::string_view key, bool value) {
    doc.setValue(section, key, value ? "1" : "0");
}

std::string SettingsFile::readString(std::string_view section, std::string_view key,
                                     std::string_view fallback) const {
    return trevik::readString(read(), section, key, fallback);
}

std::int32_t SettingsFile::readInteger(std::string_view section, std::string_view key,
                                       std::int32_t fallback) const {
    return trevik::readInteger(read(), section, key, fallback);
}

bool SettingsFile::readBool(std::string_view section, std::string_view key, bool fallback) const {
    return trevik::readBool(read(), section, key, fallback);
}

std::string SettingsFile::setValue(std::string_view section, std::string_view key,
                                   std::string_view value) const {
    return update([&](IniDocument& doc) { doc.setValue(section, key, value); });
}

bool SettingsFile::writeString(std::string_view section, std::string_view key,
                               std::string_view value) const {
    return setValue(section, key, value).empty();
}

bool SettingsFile::writeInteger(std::string_view section, std::string_view key,
                                std::int32_t value) const {
    return writeString(section, key, std::to_string(value));
}

bool SettingsFile::writeBool(std::string_view section, std::string_view key, bool value) const {
    return writeString(section, key, value ? "1" : "0");
}

} // namespace trevik
