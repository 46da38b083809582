#include "exchange/UpdateApplier.h"

#include "calendar/CalendarTexts.h"
#include "exchange/ExchangeFile.h"
#include "exchange/OriginIndex.h"
#include "exchange/PromptLines.h"
#include "exchange/RecycleBin.h"
#include "storage/AddrSet.h"
#include "storage/CalSet.h"
#include "storage/FileError.h"

#include <algorithm>
#include <limits>
#include <optional>

namespace trevik {

void PassCounts::count(MergeOutcome outcome) {
    switch (outcome) {
    case MergeOutcome::Added:
        ++added;
        break;
    case MergeOutcome::Replaced:
        ++replaced;
        break;
    case MergeOutcome::NotNewer:
        ++notNewer;
        break;
    case MergeOutcome::ByChoice:
        ++byChoice;
        break;
    case MergeOutcome::Cancelled:
    case MergeOutcome::Failed:
        break;
    }
}

namespace {

// A contact is offered for replacement only when it is newer; a calendar entry is offered
// whenever it is found, whatever the stamps say.
template <typename Record> constexpr bool kAsksOnlyWhenNewer = std::is_same_v<Record, Contact>;

// One pass over one record file: open once, its identities indexed once, the answers fresh.
template <typename Set, typename Record> class MergePass {
public:
    MergePass(const std::filesystem::path& dir, Prompter& prompter,
              std::function<std::vector<std::string>(const Record&)> lines)
        : set_(dir), prompter_(prompter), lines_(std::move(lines)) {}

    bool isOpen() const { return opened_; }
    const std::string& error() const { return error_; }

    bool open() {
        opened_ = true;
        set_.Open();
        if (!set_.isOpen()) {
            error_ = set_.lastError();
            return false;
        }
        index_.build(set_);
        largestId_ = set_.NextId();
        return true;
    }

    MergeOutcome apply(const Record& incoming, UpdateChoice whenNew, UpdateChoice whenFound) {
        const std::int32_t position = index_.find(incoming.created, incoming.originUid);
        if (position < 0) {
            return addNew(incoming, whenNew);
        }
        set_.GoTo(position);
        const bool newer = incoming.updated > set_.updated; // equal stamps never count as newer
        switch (whenFound) {
        case UpdateChoice::NoUpdate:
            return MergeOutcome::ByChoice;
        case UpdateChoice::Update:
            return newer ? replace(incoming) : MergeOutcome::NotNewer;
        case UpdateChoice::Prompt:
            break;
        }
        if (kAsksOnlyWhenNewer<Record> && !newer) {
            return MergeOutcome::NotNewer;
        }
        const Prompt prompt{kReplaceCaption, lines_(static_cast<const Record&>(set_)),
                            lines_(incoming)};
        return decided(changedAnswer_.decide(prompter_, prompt), [&] { return replace(incoming); });
    }

private:
    template <typename Write> MergeOutcome decided(PromptDecision decision, Write write) {
        switch (decision) {
        case PromptDecision::Apply:
            return write();
        case PromptDecision::Skip:
            return MergeOutcome::ByChoice;
        case PromptDecision::Stop:
            break;
        }
        return MergeOutcome::Cancelled;
    }

    MergeOutcome addNew(const Record& incoming, UpdateChoice choice) {
        switch (choice) {
        case UpdateChoice::NoUpdate:
            return MergeOutcome::ByChoice;
        case UpdateChoice::Update:
            return add(incoming);
        case UpdateChoice::Prompt:
            break;
        }
        const Prompt prompt{kAddNewCaption, lines_(incoming), {}};
        return decided(newAnswer_.decide(prompter_, prompt), [&] { return add(incoming); });
    }

    MergeOutcome add(const Record& incoming) {
        if (largestId_ == std::numeric_limits<std::int32_t>::max()) {
            error_ = set_.filePath().string() + ": the largest id, " + std::to_string(largestId_) +
                     ", is in use; no new id is left";
            return MergeOutcome::Failed;
        }
        const std::int32_t id = largestId_ + 1;
        set_.NewRecord();
        static_cast<Record&>(set_) = incoming;
        set_.id = id;
        set_.Write();
        if (!set_.lastError().empty()) {
            error_ = set_.lastError();
            return MergeOutcome::Failed;
        }
        largestId_ = id;
        index_.add(incoming.created, incoming.originUid, set_.count());
        return MergeOutcome::Added;
    }

    MergeOutcome replace(const Record& incoming) {
        const std::int32_t id = set_.id;
        set_.BeginEdit();
        static_cast<Record&>(set_) = incoming;
        set_.id = id;
        set_.Write();
        if (!set_.lastError().empty()) {
            error_ = set_.lastError();
            return MergeOutcome::Failed;
        }
        return MergeOutcome::Replaced;
    }

    Set set_;
    Prompter& prompter_;
    std::function<std::vector<std::string>(const Record&)> lines_;
    OriginIndex index_;
    std::int32_t largestId_ = 0;
    RememberedAnswer newAnswer_;
    RememberedAnswer changedAnswer_;
    bool opened_ = false;
    std::string error_;
};

} // namespace

UpdateApplier::UpdateApplier(std::filesystem::path dataDir, SettingsFile settings,
                             Prompter& prompter, const Locale& locale)
    : dataDir_(std::move(dataDir)), settings_(std::move(settings)), prompter_(prompter),
      locale_(locale) {}

template <typename Set, typename Record, typename Records>
bool UpdateApplier::runPass(Records&& next, UpdateChoice whenNew, UpdateChoice whenFound,
                            PassCounts& counts, UpdateReport& report) {
    counts.ran = true;
    std::function<std::vector<std::string>(const Record&)> lines;
    std::optional<TypeNames> types;
    if constexpr (std::is_same_v<Record, Contact>) {
        lines = contactPromptLines;
    } else {
        lines = [&](const CalendarEntry& entry) {
            if (!types) {
                // The names only label the question; an unreadable type file leaves them blank.
                try {
                    types = TypeNames::load(dataDir_);
                } catch (const FileError&) {
                    types = TypeNames();
                }
            }
            return entryPromptLines(entry, *types, locale_);
        };
    }
    MergePass<Set, Record> pass(dataDir_, prompter_, lines);
    while (const std::optional<Record> record = next()) {
        if (!pass.isOpen() && !pass.open()) {
            report.errors.push_back(pass.error());
            return false;
        }
        const MergeOutcome outcome = pass.apply(*record, whenNew, whenFound);
        counts.count(outcome);
        if (outcome == MergeOutcome::Cancelled) {
            counts.cancelled = true;
            report.cancelled = true;
            return false;
        }
        if (outcome == MergeOutcome::Failed) {
            report.errors.push_back(pass.error());
            return false;
        }
    }
    return true;
}

UpdateReport UpdateApplier::apply(ByteSource& exchange, const UpdateOptions& options,
                                  const std::function<void()>& settingsApplied) {
    UpdateReport report;
    report.refused = ExchangeFile::problemWith(exchange);
    if (!report.refused.empty()) {
        return report;
    }
    try {
        ExchangeFile file(exchange);
        if (options.settings) {
            const std::string error = settings_.update(
                [&](IniDocument& doc) { applyExchangeSettings(file.header(), doc); });
            if (error.empty()) {
                report.settingsApplied = true;
                if (settingsApplied) {
                    settingsApplied();
                }
            } else {
                report.errors.push_back(error);
            }
        }
        if (options.address) {
            std::int64_t n = 0;
            report.exchangeContacts.missing = file.announcedContacts() - file.presentContacts();
            if (!runPass<AddrSet, Contact>([&] { return file.contact(n++); }, options.newData,
                                           options.changedData, report.exchangeContacts, report)) {
                return report;
            }
        }
        if (options.calendar) {
            std::int64_t n = 0;
            report.exchangeEntries.missing = file.announcedEntries() - file.presentEntries();
            if (!runPass<CalSet, CalendarEntry>([&] { return file.entry(n++); }, options.newData,
                                                options.changedData, report.exchangeEntries,
                                                report)) {
                return report;
            }
        }
        // The bin: a deleted record not found here follows the Deleted data choice, one found
        // here the Changed data choice.
        const RecycleBin bin = readRecycleBin(dataDir_);
        if (bin.entries.empty()) {
            return report;
        }
        std::size_t at = 0;
        const auto nextOf = [&](bool contacts) {
            return [&, contacts]() -> std::optional<BinEntry> {
                while (at < bin.entries.size()) {
                    const BinEntry& entry = bin.entries[at++];
                    if (entry.isContact() == contacts) {
                        return entry;
                    }
                }
                return std::nullopt;
            };
        };
        const auto contacts = nextOf(true);
        if (!runPass<AddrSet, Contact>(
                [&]() -> std::optional<Contact> {
                    const auto entry = contacts();
                    return entry ? std::optional<Contact>(entry->contact) : std::nullopt;
                },
                options.deletedData, options.changedData, report.binContacts, report)) {
            return report;
        }
        at = 0;
        const auto entries = nextOf(false);
        runPass<CalSet, CalendarEntry>(
            [&]() -> std::optional<CalendarEntry> {
                const auto entry = entries();
                return entry ? std::optional<CalendarEntry>(entry->entry) : std::nullopt;
            },
            options.deletedData, options.changedData, report.binEntries, report);
    } catch (const FileError& error) {
        report.errors.push_back(error.what());
    }
    return report;
}

UpdateReport UpdateApplier::merge(const std::vector<Contact>& contacts,
                                  const std::vector<CalendarEntry>& entries,
                                  const UpdateOptions& options) {
    UpdateReport report;
    try {
        OriginIndex binnedContacts;
        OriginIndex binnedEntries;
        for (const BinEntry& entry : readRecycleBin(dataDir_).entries) {
            if (entry.isContact()) {
                binnedContacts.add(entry.contact.created, entry.contact.originUid, 1);
            } else {
                binnedEntries.add(entry.entry.created, entry.entry.originUid, 1);
            }
        }
        const auto runKind = [&]<typename Set, typename Record>(
                                 const std::vector<Record>& records, PassCounts& counts,
                                 PassCounts& binCounts, const OriginIndex& binned) {
            const auto inBin = [&](const Record& record) {
                return binned.find(record.created, record.originUid) >= 0;
            };
            for (const bool deleted : {false, true}) {
                std::size_t at = 0;
                const auto next = [&]() -> std::optional<Record> {
                    while (at < records.size()) {
                        const Record& record = records[at++];
                        if (inBin(record) == deleted) {
                            return record;
                        }
                    }
                    return std::nullopt;
                };
                if (deleted && std::none_of(records.begin(), records.end(), inBin)) {
                    continue;
                }
                if (!runPass<Set, Record>(next, deleted ? options.deletedData : options.newData,
                                          options.changedData, deleted ? binCounts : counts,
                                          report)) {
                    return false;
                }
            }
            return true;
        };
        if (options.address && !contacts.empty() &&
            !runKind.template operator()<AddrSet, Contact>(contacts, report.exchangeContacts,
                                                           report.binContacts, binnedContacts)) {
            return report;
        }
        if (options.calendar && !entries.empty()) {
            runKind.template operator()<CalSet, CalendarEntry>(entries, report.exchangeEntries,
                                                               report.binEntries, binnedEntries);
        }
    } catch (const FileError& error) {
        report.errors.push_back(error.what());
    }
    return report;
}

} // namespace trevik
