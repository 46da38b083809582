// An exchange file from anywhere: the reader never reads past its end, gives only whole
// records within the counts, and its settings write nothing but their own keys.
#include "FuzzChecks.h"
#include "exchange/ExchangeFile.h"
#include "settings/IniDocument.h"

#include <set>
#include <string>

using namespace trevik;

namespace {

const std::set<std::string> kSections = {"Display",   "Misc",  "Position", "Address",
                                         "Calenadar", "Timer", "Alarm"};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    MemorySource source(bytes);
    if (!ExchangeFile::problemWith(source).empty()) {
        FUZZ_CHECK(size < kExchangeHeaderSize);
        return 0;
    }
    ExchangeFile file(source);
    FUZZ_CHECK(file.presentContacts() >= 0 && file.presentContacts() <= file.announcedContacts());
    FUZZ_CHECK(file.presentEntries() >= 0 && file.presentEntries() <= file.announcedEntries());
    FUZZ_CHECK(144 + file.presentContacts() * 360 <= std::int64_t(size));
    for (std::int64_t n = 0; n < file.presentContacts(); ++n) {
        const auto contact = file.contact(n);
        FUZZ_CHECK(contact && contact->name.size() <= 30 && contact->misc.size() <= 52);
    }
    FUZZ_CHECK(!file.contact(file.presentContacts()));
    for (std::int64_t n = 0; n < file.presentEntries(); ++n) {
        const auto entry = file.entry(n);
        FUZZ_CHECK(entry && entry->comment.size() <= 30 && entry->fileLink.size() <= 65);
    }
    FUZZ_CHECK(!file.entry(file.presentEntries()));

    // The header's texts are cut to their fields and survive a round trip.
    const ExchangeHeader& header = file.header();
    FUZZ_CHECK(header.timerTime.size() <= 8 && header.alarmSound.size() <= 69);
    std::uint8_t again[kExchangeHeaderSize];
    encodeExchangeHeader(header, again);
    FUZZ_CHECK(decodeExchangeHeader(again) == header);

    // Applied to a settings file, they add the header's keys and nothing else.
    IniDocument doc = IniDocument::parse("[Startup]\nUID=7\nDir=/home/me\n");
    applyExchangeSettings(header, doc);
    const IniDocument reread = IniDocument::parse(doc.text());
    FUZZ_CHECK(reread.value("Startup", "UID") == std::optional<std::string>("7"));
    FUZZ_CHECK(reread.value("Startup", "Dir") == std::optional<std::string>("/home/me"));
    const std::string text = doc.text();
    std::size_t lines = 0;
    for (const char c : text) {
        lines += c == '\n';
    }
    // 3 lines before, 7 section lines and 31 keys.
    FUZZ_CHECK(lines == 3 + 7 + 31);
    for (std::size_t at = text.find("\n["); at != std::string::npos;
         at = text.find("\n[", at + 1)) {
        const std::size_t end = text.find(']', at);
        const std::string name = text.substr(at + 2, end - at - 2);
        FUZZ_CHECK(name == "Startup" || kSections.count(name) == 1);
    }
    return 0;
}
