// A fuzzed exchange file merged into a small diary with a bin: the input's first bytes pick
// the choices and the answers. Afterwards every record file holds whole records, no record
// was lost, and the settings file holds the header's keys and nothing else.
#include "FuzzChecks.h"
#include "common/Locale.h"
#include "exchange/RecycleBin.h"
#include "exchange/UpdateApplier.h"
#include "storage/AddrSet.h"
#include "storage/CalSet.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

using namespace trevik;

namespace {

std::filesystem::path makeWorkDir() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "trevik-fuzz-merge-XXXXXX").string();
    FUZZ_CHECK(::mkdtemp(pattern.data()) != nullptr);
    return pattern;
}

// Answers from the input's bytes, cancelling when they run out.
class BytePrompter final : public Prompter {
public:
    BytePrompter(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    PromptAnswer ask(const Prompt& prompt) override {
        FUZZ_CHECK(!prompt.item1.empty());
        if (at_ >= size_) {
            return PromptAnswer::Cancel;
        }
        return PromptAnswer(data_[at_++] % 5);
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

void seedDiary(const std::filesystem::path& dir) {
    std::filesystem::remove_all(dir);
    std::filesystem::create_directory(dir);
    AddrSet contacts(dir);
    contacts.Open();
    CalSet entries(dir);
    entries.Open();
    for (int i = 1; i <= 3; ++i) {
        contacts.NewRecord();
        contacts.id = i;
        contacts.name = "C" + std::to_string(i);
        contacts.created = i;
        contacts.originUid = 7;
        contacts.updated = 10;
        contacts.Write();
        entries.NewRecord();
        entries.id = i;
        entries.comment = "E" + std::to_string(i);
        entries.created = i;
        entries.originUid = 7;
        entries.updated = 10;
        entries.Write();
    }
    Contact gone;
    gone.name = "gone";
    gone.created = 4;
    gone.originUid = 7;
    gone.updated = 10;
    FUZZ_CHECK(AddAddressToBin(dir, gone).empty());
    CalendarEntry goneEntry;
    goneEntry.comment = "gone";
    goneEntry.created = 1;
    goneEntry.originUid = 7;
    goneEntry.updated = 11;
    FUZZ_CHECK(AddCalendarEntryToBin(dir, goneEntry).empty());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::filesystem::path work = makeWorkDir();
    static const EnglishLocale locale;
    if (size < 4) {
        return 0;
    }
    const std::filesystem::path dir = work / "data";
    seedDiary(dir);
    std::filesystem::remove(work / "Trevik.Ini");
    UpdateOptions options;
    options.settings = data[0] & 1;
    options.address = data[0] & 2;
    options.calendar = data[0] & 4;
    options.newData = UpdateChoice(data[1] % 3);
    options.changedData = UpdateChoice((data[1] / 3) % 3);
    options.deletedData = UpdateChoice((data[1] / 9) % 3);
    const std::size_t answers = data[2] % 16;
    if (size < 3 + answers) {
        return 0;
    }
    BytePrompter prompter(data + 3, answers);
    const std::string exchange(reinterpret_cast<const char*>(data + 3 + answers),
                               size - 3 - answers);
    MemorySource source(exchange);
    UpdateApplier applier(dir, SettingsFile(work / "Trevik.Ini"), prompter, locale);
    const UpdateReport report = applier.apply(source, options);
    FUZZ_CHECK(report.errors.empty());

    const auto contactBytes = std::filesystem::file_size(dir / AddrSet::kFileName);
    const auto entryBytes = std::filesystem::file_size(dir / CalSet::kFileName);
    FUZZ_CHECK(contactBytes % 360 == 0 && entryBytes % 164 == 0);
    // Nothing is ever deleted by an update.
    FUZZ_CHECK(contactBytes >= 3 * 360 && entryBytes >= 3 * 164);
    const std::int64_t added = report.exchangeContacts.added + report.binContacts.added;
    FUZZ_CHECK(std::int64_t(contactBytes / 360) == 3 + added);
    if (!report.refused.empty()) {
        FUZZ_CHECK(exchange.size() < 144 && !std::filesystem::exists(work / "Trevik.Ini"));
    }
    if (std::filesystem::exists(work / "Trevik.Ini")) {
        std::ifstream in(work / "Trevik.Ini");
        std::size_t lines = 0;
        for (std::string line; std::getline(in, line);) {
            ++lines;
        }
        FUZZ_CHECK(lines == 7 + 31);
    }
    return 0;
}
