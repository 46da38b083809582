#include "interchange/Interchange.h"

#include "common/Cp1252.h"
#include "exchange/OriginIndex.h"
#include "interchange/FieldText.h"
#include "interchange/ICalendar.h"
#include "interchange/RecordUid.h"
#include "interchange/VCard.h"
#include "storage/AddrSet.h"
#include "storage/CalSet.h"
#include "storage/FileError.h"
#include "storage/SafeSave.h"
#include "storage/TypeRecords.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

namespace trevik {

namespace {

namespace fs = std::filesystem;

// Larger files are refused rather than read into memory whole.
constexpr std::uintmax_t kLargestFile = 512ull << 20;
constexpr std::size_t kTypeNameWidth = 30;

std::string lower(std::string text) {
    for (char& c : text) {
        c = char(c >= 'A' && c <= 'Z' ? c + 32 : c);
    }
    return text;
}

template <typename Set, typename Record> std::vector<Record> readAll(const fs::path& dataDir) {
    Set set(dataDir);
    set.OpenForReading();
    std::vector<Record> records;
    records.reserve(std::size_t(set.count()));
    for (bool more = set.BeginScan(); more && !set.AtEnd(); set.Next()) {
        records.push_back(static_cast<const Record&>(set));
    }
    return records;
}

// Reads the whole file, or says why it cannot.
std::string readText(const fs::path& file, std::string& error) {
    std::error_code code;
    const auto size = fs::file_size(file, code);
    if (code) {
        error = file.string() + ": " + code.message();
        return {};
    }
    if (size > kLargestFile) {
        error = file.string() + ": the file is larger than " + std::to_string(kLargestFile >> 20) +
                " MB";
        return {};
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        error = file.string() + ": " + std::strerror(errno);
        return {};
    }
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad()) {
        error = file.string() + ": the file could not be read";
        return {};
    }
    return text.str();
}

EntryReferences referencesOf(const fs::path& dataDir, const std::vector<Contact>& contacts) {
    EntryReferences references;
    for (const EntryType& type : listTypes(dataDir)) {
        references.typeNames.emplace(type.code, type.name);
    }
    for (const Contact& contact : contacts) {
        references.contactUids.emplace(contact.id, recordUid(contact.created, contact.originUid));
    }
    return references;
}

std::vector<fs::path> filesWithExtension(const fs::path& dir, const char* extension,
                                         std::vector<std::string>& errors) {
    std::vector<fs::path> files;
    std::error_code code;
    if (!fs::is_directory(dir, code)) {
        return files;
    }
    for (fs::directory_iterator it(dir, code), end; !code && it != end; it.increment(code)) {
        if (lower(it->path().extension().string()) == extension && it->is_regular_file(code)) {
            files.push_back(it->path());
        }
    }
    if (code) {
        errors.push_back(dir.string() + ": " + code.message());
    }
    std::sort(files.begin(), files.end());
    return files;
}

} // namespace

std::optional<InterchangeFormat> formatOfFileName(const fs::path& file) {
    const std::string extension = lower(file.extension().string());
    if (extension == ".vcf" || extension == ".vcard") {
        return InterchangeFormat::VCard;
    }
    if (extension == ".ics" || extension == ".ical" || extension == ".ifb" ||
        extension == ".icalendar") {
        return InterchangeFormat::ICalendar;
    }
    return std::nullopt;
}

EntryReferences loadEntryReferences(const fs::path& dataDir) {
    return referencesOf(dataDir, readAll<AddrSet, Contact>(dataDir));
}

ExportResult exportFile(const fs::path& dataDir, InterchangeFormat format, const fs::path& file) {
    ExportResult result;
    try {
        const auto contacts = readAll<AddrSet, Contact>(dataDir);
        std::string text;
        if (format == InterchangeFormat::VCard) {
            text = contactsToVCard(contacts);
            result.contacts = contacts.size();
        } else {
            const auto entries = readAll<CalSet, CalendarEntry>(dataDir);
            text = entriesToICalendar(entries, referencesOf(dataDir, contacts));
            result.entries = entries.size();
        }
        result.error = saveSafely(file, text);
    } catch (const FileError& error) {
        result.error = error.what();
    }
    return result;
}

ExportResult exportVdir(const fs::path& dataDir, const fs::path& dir) {
    ExportResult result;
    try {
        const auto contacts = readAll<AddrSet, Contact>(dataDir);
        const auto entries = readAll<CalSet, CalendarEntry>(dataDir);
        const EntryReferences references = referencesOf(dataDir, contacts);
        for (const char* sub : {"contacts", "calendar"}) {
            std::error_code code;
            fs::create_directories(dir / sub, code);
            if (code) {
                result.error = (dir / sub).string() + ": " + code.message();
                return result;
            }
        }
        for (const Contact& contact : contacts) {
            const fs::path file =
                dir / "contacts" /
                (vdirFileStem(recordUid(contact.created, contact.originUid)) + ".vcf");
            if (result.error = saveSafely(file, contactsToVCard({contact})); !result.ok()) {
                return result;
            }
            ++result.contacts;
        }
        for (const CalendarEntry& entry : entries) {
            const fs::path file =
                dir / "calendar" /
                (vdirFileStem(recordUid(entry.created, entry.originUid)) + ".ics");
            if (result.error = saveSafely(file, entriesToICalendar({entry}, references));
                !result.ok()) {
                return result;
            }
            ++result.entries;
        }
    } catch (const FileError& error) {
        result.error = error.what();
    }
    return result;
}

bool ImportReport::whole() const {
    const auto taken = [](const PassCounts& counts) {
        return counts.byChoice == 0 && !counts.cancelled;
    };
    return errors.empty() && merge.errors.empty() && !merge.cancelled && notes.lossy.empty() &&
           notes.skipped.empty() && taken(merge.exchangeContacts) && taken(merge.exchangeEntries) &&
           taken(merge.binContacts) && taken(merge.binEntries);
}

InterchangeImporter::InterchangeImporter(fs::path dataDir, SettingsFile settings,
                                         Prompter& prompter, const Locale& locale)
    : dataDir_(std::move(dataDir)), settings_(std::move(settings)), prompter_(prompter),
      locale_(locale) {}

UpdateOptions importChoices(const SettingsFile& settings) {
    UpdateOptions options = LoadDialogState(settings).options;
    options.settings = false;
    options.address = true;
    options.calendar = true;
    return options;
}

ImportReport InterchangeImporter::importFile(const fs::path& file, const UpdateOptions& options) {
    const auto format = formatOfFileName(file);
    ImportReport report;
    if (!format) {
        report.errors.push_back(file.string() +
                                ": the name ends neither in .vcf (vCard) nor in .ics (iCalendar)");
        return report;
    }
    std::string error;
    std::string text = readText(file, error);
    if (!error.empty()) {
        report.errors.push_back(error);
        return report;
    }
    return importTexts({{std::move(text), *format, file.filename().string()}}, options);
}

ImportReport InterchangeImporter::importVdir(const fs::path& dir, const UpdateOptions& options) {
    ImportReport report;
    std::error_code code;
    if (!fs::is_directory(dir, code)) {
        report.errors.push_back(dir.string() + ": no such directory");
        return report;
    }
    std::vector<ImportSource> sources;
    for (const auto& [sub, extension, format] :
         {std::tuple{"contacts", ".vcf", InterchangeFormat::VCard},
          std::tuple{".", ".vcf", InterchangeFormat::VCard},
          std::tuple{"calendar", ".ics", InterchangeFormat::ICalendar},
          std::tuple{".", ".ics", InterchangeFormat::ICalendar}}) {
        for (const fs::path& file : filesWithExtension(dir / sub, extension, report.errors)) {
            std::string error;
            std::string text = readText(file, error);
            if (!error.empty()) {
                report.errors.push_back(error);
                continue;
            }
            sources.push_back({std::move(text), format, file.filename().string()});
        }
    }
    ImportReport merged = importTexts(sources, options);
    merged.errors.insert(merged.errors.begin(), report.errors.begin(), report.errors.end());
    return merged;
}

ImportReport InterchangeImporter::importTexts(const std::vector<ImportSource>& sources,
                                              const UpdateOptions& options) {
    ImportReport report;
    std::vector<Contact> contacts;
    std::vector<ReadEntry> read;
    const auto note = [&](std::vector<InterchangeNote>& to, std::vector<InterchangeNote>& from,
                          const std::string& file) {
        for (InterchangeNote& n : from) {
            if (n.uid.empty() && n.name.empty() && sources.size() > 1) {
                n.name = file;
            }
            to.push_back(std::move(n));
        }
    };
    for (const ImportSource& source : sources) {
        if (source.format == InterchangeFormat::VCard) {
            ContactsRead cards = contactsFromVCard(source.text);
            contacts.insert(contacts.end(), cards.contacts.begin(), cards.contacts.end());
            note(report.notes.lossy, cards.notes.lossy, source.name);
            note(report.notes.skipped, cards.notes.skipped, source.name);
        } else {
            EntriesRead entries = entriesFromICalendar(source.text);
            std::move(entries.entries.begin(), entries.entries.end(), std::back_inserter(read));
            note(report.notes.lossy, entries.notes.lossy, source.name);
            note(report.notes.skipped, entries.notes.skipped, source.name);
        }
    }
    UpdateApplier applier(dataDir_, settings_, prompter_, locale_);
    UpdateOptions contactOptions = options;
    contactOptions.calendar = false;
    contactOptions.settings = false;
    if (!contacts.empty()) {
        report.merge = applier.merge(contacts, {}, contactOptions);
        if (!report.merge.errors.empty() || report.merge.cancelled || read.empty() ||
            !options.calendar) {
            return report;
        }
    }
    if (read.empty() || !options.calendar) {
        return report;
    }
    // The entries' types and links are this installation's: categories are found by name
    // (and added as types when missing), linked contacts by their UID.
    try {
        std::vector<EntryType> types = listTypes(dataDir_);
        OriginIndex contactIndex;
        std::unordered_map<std::int32_t, std::int32_t> idAt;
        {
            AddrSet set(dataDir_);
            set.OpenForReading();
            for (bool more = set.BeginScan(); more && !set.AtEnd(); set.Next()) {
                contactIndex.add(set.created, set.originUid, set.position());
                idAt.emplace(set.position(), set.id);
            }
        }
        std::vector<CalendarEntry> entries;
        entries.reserve(read.size());
        for (ReadEntry& item : read) {
            CalendarEntry& entry = item.entry;
            std::vector<std::string> losses;
            // Outer blanks never come through a file (libical drops them), so names are
            // compared without them.
            const std::string name = withoutOuterBlanks(
                fieldText(item.category, kTypeNameWidth, false, "category", losses));
            if (!name.empty()) {
                const auto found = std::find_if(types.begin(), types.end(), [&](const auto& t) {
                    return cp1252ToLower(withoutOuterBlanks(t.name)) == cp1252ToLower(name);
                });
                if (found != types.end()) {
                    entry.type = found->code;
                } else if (const RecordResult added = addType(dataDir_, name); added.ok()) {
                    types.push_back({std::int16_t(added.id), name});
                    entry.type = std::int16_t(added.id);
                } else {
                    report.errors.push_back(added.error);
                    return report;
                }
                for (const std::string& loss : losses) {
                    report.notes.lossy.push_back({item.uid, exportedText(entry.comment), loss});
                }
            }
            if (!item.contactUid.empty()) {
                const RecordIdentity identity = identityFromUid(item.contactUid);
                const std::int32_t position =
                    contactIndex.find(identity.created, identity.originUid);
                if (position >= 0) {
                    entry.addressLink = idAt[position];
                } else {
                    report.notes.lossy.push_back(
                        {item.uid, exportedText(entry.comment),
                         "its contact " + item.contactUid.substr(0, 200) +
                             " is not in this address book: the link was left out"});
                }
            }
            entries.push_back(entry);
        }
        UpdateOptions entryOptions = options;
        entryOptions.address = false;
        entryOptions.settings = false;
        const UpdateReport merged = applier.merge({}, entries, entryOptions);
        report.merge.exchangeEntries = merged.exchangeEntries;
        report.merge.binEntries = merged.binEntries;
        report.merge.cancelled = report.merge.cancelled || merged.cancelled;
        report.merge.errors.insert(report.merge.errors.end(), merged.errors.begin(),
                                   merged.errors.end());
    } catch (const FileError& error) {
        report.errors.push_back(error.what());
    }
    return report;
}

namespace {

std::string passLine(const char* name, const PassCounts& counts) {
    return std::string(name) + ": " + std::to_string(counts.added) + " added, " +
           std::to_string(counts.replaced) + " replaced, " +
           std::to_string(counts.notNewer + counts.byChoice) + " skipped (" +
           std::to_string(counts.notNewer) + " not newer, " + std::to_string(counts.byChoice) +
           " by choice)" + (counts.cancelled ? ", cancelled" : "");
}

std::string noteLine(const char* kind, const InterchangeNote& note) {
    std::string line = std::string(kind) + ": ";
    if (!note.uid.empty()) {
        line += note.uid;
        if (!note.name.empty()) {
            line += " (" + note.name + ")";
        }
    } else if (!note.name.empty()) {
        line += note.name;
    } else {
        line += "(no UID)";
    }
    return line + ": " + note.reason;
}

} // namespace

std::vector<std::string> importReportLines(const ImportReport& report) {
    std::vector<std::string> lines;
    const UpdateReport& merge = report.merge;
    if (merge.exchangeContacts.ran) {
        lines.push_back(passLine("contacts", merge.exchangeContacts));
    }
    if (merge.binContacts.ran) {
        lines.push_back(passLine("contacts deleted here", merge.binContacts));
    }
    if (merge.exchangeEntries.ran) {
        lines.push_back(passLine("calendar", merge.exchangeEntries));
    }
    if (merge.binEntries.ran) {
        lines.push_back(passLine("calendar entries deleted here", merge.binEntries));
    }
    lines.push_back(std::to_string(report.notes.lossy.size()) + " lossy, " +
                    std::to_string(report.notes.skipped.size()) + " not imported");
    for (const InterchangeNote& note : report.notes.lossy) {
        lines.push_back(noteLine("lossy", note));
    }
    for (const InterchangeNote& note : report.notes.skipped) {
        lines.push_back(noteLine("not imported", note));
    }
    return lines;
}

} // namespace trevik
