#pragma once

#include "common/Locale.h"
#include "exchange/ByteSource.h"
#include "exchange/Prompter.h"
#include "exchange/UpdateChoices.h"
#include "settings/SettingsFile.h"
#include "storage/CalendarEntryRecord.h"
#include "storage/ContactRecord.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace trevik {

// What became of one incoming record.
enum class MergeOutcome { Added, Replaced, NotNewer, ByChoice, Cancelled, Failed };

// The counts of one pass over a record kind.
struct PassCounts {
    bool ran = false;
    std::int64_t added = 0;
    std::int64_t replaced = 0;
    // Skipped: found here and not newer than the local copy.
    std::int64_t notNewer = 0;
    // Skipped: the choice was No update, or the user said no.
    std::int64_t byChoice = 0;
    // Announced by the file's counts but not there as whole records.
    std::int64_t missing = 0;
    bool cancelled = false;
    void count(MergeOutcome outcome);
};

struct UpdateReport {
    // Why the file could not be used at all; then nothing was changed.
    std::string refused;
    bool settingsApplied = false;
    PassCounts exchangeContacts;
    PassCounts exchangeEntries;
    PassCounts binContacts;
    PassCounts binEntries;
    bool cancelled = false;
    // Files that could not be read or written, each with its reason. A record file that failed
    // ends the update there; what was written before stays.
    std::vector<std::string> errors;
};

// Merges an exchange file, then this installation's recycle bin, into the data directory:
// settings overwritten, records added or replaced by their global identity under the choices
// for new, changed and deleted data, asking the prompter where the choice is Prompt.
// Everything written before a Cancel or a failure stays written, and every record is written
// whole, so applying the same file again completes the merge without duplicates.
class UpdateApplier {
public:
    UpdateApplier(std::filesystem::path dataDir, SettingsFile settings, Prompter& prompter,
                  const Locale& locale);

    // `settingsApplied` runs right after the settings were written, before the records: the
    // window reloads what it shows of them there.
    UpdateReport apply(ByteSource& exchange, const UpdateOptions& options,
                       const std::function<void()>& settingsApplied = {});

    // Merges records read from another format by the same rules, without settings: a record
    // not found here follows the New data choice, or the Deleted data choice when this
    // installation's bin holds it (counted in the bin passes). `options` names the kinds.
    UpdateReport merge(const std::vector<Contact>& contacts,
                       const std::vector<CalendarEntry>& entries, const UpdateOptions& options);

private:
    template <typename Set, typename Record, typename Records>
    bool runPass(Records&& next, UpdateChoice whenNew, UpdateChoice whenFound, PassCounts& counts,
                 UpdateReport& report);

    std::filesystem::path dataDir_;
    SettingsFile settings_;
    Prompter& prompter_;
    const Locale& locale_;
};

} // namespace trevik
