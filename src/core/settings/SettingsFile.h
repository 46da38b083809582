#pragma once

#include "settings/IniDocument.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

namespace trevik {

// The settings file Trevik.Ini. Nothing is cached: every read opens the file, every write
// reads it, changes its keys and replaces it whole through a temporary file and a rename,
// so a crash never leaves a half-written file.
class SettingsFile {
public:
    static constexpr const char* kFileName = "Trevik.Ini";

    explicit SettingsFile(std::filesystem::path path);
    // $XDG_CONFIG_HOME/Trevik.Ini, or ~/.config/Trevik.Ini.
    static SettingsFile standard();

    const std::filesystem::path& path() const { return path_; }

    // A missing or unreadable file reads as empty.
    IniDocument read() const;
    bool write(const IniDocument& document) const;

    std::string readString(std::string_view section, std::string_view key,
                           std::string_view fallback) const;
    std::int32_t readInteger(std::string_view section, std::string_view key,
                             std::int32_t fallback) const;
    bool readBool(std::string_view section, std::string_view key, bool fallback) const;

    bool writeString(std::string_view section, std::string_view key, std::string_view value) const;
    bool writeInteger(std::string_view section, std::string_view key, std::int32_t value) const;
    bool writeBool(std::string_view section, std::string_view key, bool value) const;

private:
    std::filesystem::path path_;
};

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
