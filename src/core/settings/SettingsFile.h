#pragma once

#include "settings/IniDocument.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace trevik {

// The settings file Trevik.Ini. Nothing is cached: every read opens the file, every write
// locks it, reads it, changes its keys and replaces it whole through a temporary file and a
// rename, so a crash never leaves a half-written file and two programs never lose each other's
// keys. A file that exists but cannot be read is never written.
class SettingsFile {
public:
    static constexpr const char* kFileName = "Trevik.Ini";

    explicit SettingsFile(std::filesystem::path path);
    // $XDG_CONFIG_HOME/Trevik.Ini, or ~/.config/Trevik.Ini.
    static SettingsFile standard();

    const std::filesystem::path& path() const { return path_; }

    // A missing or unreadable file reads as empty.
    IniDocument read() const;
    // The document, or why the file exists but could not be read (the document is then empty).
    IniDocument read(std::string& error) const;
    // Reads the file under an exclusive lock, lets `change` edit it and stores the result.
    // Returns why it could not, empty on success; nothing is written when the read failed.
    std::string update(const std::function<void(IniDocument&)>& change) const;

    std::string readString(std::string_view section, std::string_view key,
                           std::string_view fallback) const;
    std::int32_t readInteger(std::string_view section, std::string_view key,
                             std::int32_t fallback) const;
    bool readBool(std::string_view section, std::string_view key, bool fallback) const;

    // Writes one key; returns why it could not, empty on success.
    std::string setValue(std::string_view section, std::string_view key,
                         std::string_view value) const;
    bool writeString(std::string_view section, std::string_view key, std::string_view value) const;
    bool writeInteger(std::string_view section, std::string_view key, std::int32_t value) const;
    bool writeBool(std::string_view section, std::string_view key, bool value) const;

private:
    std::filesystem::path path_;
};

// The text of the settings file's bytes: a byte-order mark is skipped, UTF-16 becomes UTF-8 and
// NUL bytes are dropped, so that a file saved by another editor keeps every key readable.
std::string decodeSettingsText(std::string_view bytes);

std::string readString(const IniDocument& doc, std::string_view section, std::string_view key,
                       std::string_view fallback);
std::int32_t readInteger(const IniDocument& doc, std::string_view section, std::string_view key,
                         std::int32_t fallback);
bool readBool(const IniDocument& doc, std::string_view section, std::string_view key,
              bool fallback);
void writeInteger(IniDocument& doc, std::string_view section, std::string_view key,
                  std::int32_t value);
void writeBool(IniDocument& doc, std::string_view section, std::string_view key, bool value);

} // namespace trevik
