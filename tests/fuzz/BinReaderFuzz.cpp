// A recycle bin of any bytes: reading stops at the last whole entry, and the next append cuts
// the bin back to it, so the new copy is always found after the whole entries.
#include "FuzzChecks.h"
#include "exchange/RecycleBin.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

using namespace trevik;

namespace {

const std::filesystem::path& workDir() {
    static const std::filesystem::path dir = [] {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "trevik-fuzz-bin-XXXXXX").string();
        FUZZ_CHECK(::mkdtemp(pattern.data()) != nullptr);
        return std::filesystem::path(pattern);
    }();
    return dir;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const RecycleBin bin = parseRecycleBin(bytes);
    std::size_t wholeBytes = kBinHeaderSize;
    for (const BinEntry& entry : bin.entries) {
        FUZZ_CHECK(entry.tag == kContactTag || entry.tag == kEntryTag);
        wholeBytes += entry.isContact() ? 361 : 165;
    }
    FUZZ_CHECK(bin.entries.empty() || wholeBytes <= size);

    {
        std::ofstream out(workDir() / kRecycleBinName, std::ios::binary | std::ios::trunc);
        out.write(bytes.data(), std::streamsize(bytes.size()));
    }
    CalendarEntry entry;
    entry.comment = "fuzz";
    entry.addressLink = 5;
    FUZZ_CHECK(AddCalendarEntryToBin(workDir(), entry).empty());
    const RecycleBin mended = readRecycleBin(workDir());
    FUZZ_CHECK(!mended.damaged);
    FUZZ_CHECK(mended.entries.size() >= bin.entries.size() + 1);
    for (std::size_t i = 0; i < bin.entries.size(); ++i) {
        FUZZ_CHECK(mended.entries[i].tag == bin.entries[i].tag);
    }
    FUZZ_CHECK(mended.entries.back().entry.comment == "fuzz");
    FUZZ_CHECK(mended.entries.back().entry.addressLink == -1);
    return 0;
}
