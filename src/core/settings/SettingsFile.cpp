#include "settings/SettingsFile.h"

#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
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

IniDocument SettingsFile::read() const {
    std::ifstream in(path_, std::ios::binary);
    if (!in) {
        return {};
    }
    std::ostringstream text;
    text << in.rdbuf();
    return IniDocument::parse(text.str());
}

bool SettingsFile::write(const IniDocument& document) const {
    std::error_code ignored;
    if (path_.has_parent_path()) {
        std::filesystem::create_directories(path_.parent_path(), ignored);
    }
    std::string temp = path_.string() + ".XXXXXX";
    const int fd = ::mkstemp(temp.data());
    if (fd < 0) {
        return false;
    }
    ::fchmod(fd, 0644);
    const std::string text = document.text();
    std::size_t done = 0;
    bool ok = true;
    while (ok && done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        ok = n > 0;
        done += ok ? std::size_t(n) : 0;
    }
    ok = ok && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    ok = ok && std::rename(temp.c_str(), path_.c_str()) == 0;
    if (!ok) {
        std::remove(temp.c_str());
    }
    return ok;
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

bool SettingsFile::writeString(std::string_view section, std::string_view key,
                               std::string_view value) const {
    IniDocument doc = read();
    doc.setValue(section, key, value);
    return write(doc);
}

bool SettingsFile::writeInteger(std::string_view section, std::string_view key,
                                std::int32_t value) const {
    return writeString(section, key, std::to_string(value));
}

bool SettingsFile::writeBool(std::string_view section, std::string_view key, bool value) const {
    return writeString(section, key, value ? "1" : "0");
}

} // namespace trevik
