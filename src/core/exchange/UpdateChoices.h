#pragma once

#include "settings/SettingsFile.h"

#include <cstdint>
#include <string>

namespace trevik {

// What applying an update does with one class of record: the values are the radio items'
// order and what the settings file stores.
enum class UpdateChoice : std::int32_t { Update = 0, Prompt = 1, NoUpdate = 2 };

// The choices of one run of applying an update.
struct UpdateOptions {
    bool settings = true;
    bool address = true;
    bool calendar = true;
    // For records not found here, records found here, and recycle-bin records not found here.
    UpdateChoice newData = UpdateChoice::Prompt;
    UpdateChoice changedData = UpdateChoice::Prompt;
    UpdateChoice deletedData = UpdateChoice::Prompt;
    friend bool operator==(const UpdateOptions&, const UpdateOptions&) = default;
};

// What the Update dialog stores under [Update] between its runs.
struct UpdateDialogState {
    UpdateOptions options;
    std::string exchangeFile;
    // Where preparing last wrote a file, ending in "/".
    std::string exchangeDir;
    friend bool operator==(const UpdateDialogState&, const UpdateDialogState&) = default;
};

// The key under which the Deleted data choice is kept.
inline constexpr const char* kDeletedDataKey = "DeletedData";

// A stored choice outside 0..2 reads as Prompt.
UpdateDialogState LoadDialogState(const SettingsFile& file);
// Returns why it could not be stored, empty on success.
std::string SaveDialogState(const SettingsFile& file, const UpdateDialogState& state);
// The stored exchange directory alone, as preparing reads it afresh.
std::string loadExchangeDir(const SettingsFile& file);

// "update", "prompt" and "skip", as the command line names the choices.
const char* choiceName(UpdateChoice choice);

} // namespace trevik
