#pragma once

#include "settings/SettingsFile.h"

#include <filesystem>
#include <string>

namespace trevik {

// The name an exchange file is written under: ".tvx" is appended when the chosen name holds
// no "." anywhere, its directory part included.
std::string exchangeFileName(const std::string& chosen);

// The directory that preparing remembers after a file was chosen: the name up to and
// including its last "/" (looked for from the last character back to the second), else
// `current` unchanged.
std::string exchangeDirOf(const std::string& chosen, const std::string& current);

struct PrepareResult {
    // The name written (with ".tvx" when it was appended).
    std::string path;
    // Why it could not be written, empty on success.
    std::string error;
    bool ok() const { return error.empty(); }
};

// Writes an exchange file of this installation: a header of the settings, then every contact
// and every calendar entry in file order. The file is written beside its name and renamed into
// place, so an interrupted run never leaves a part of a file under the chosen name; a failed
// run leaves an earlier file of that name as it was. Nothing of the data or settings changes.
PrepareResult PrepareExchange(const std::filesystem::path& dataDir, const SettingsFile& settings,
                              const std::string& chosenName);

// The bytes PrepareExchange writes. Throws FileError when a data file exists but cannot be read.
std::string exchangeBytes(const std::filesystem::path& dataDir, const IniDocument& settings);

} // namespace trevik
