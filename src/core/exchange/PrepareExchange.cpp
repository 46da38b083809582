#include "exchange/PrepareExchange.h"

#include "exchange/ExchangeHeader.h"
#include "storage/AddrSet.h"
#include "storage/CalSet.h"
#include "storage/FileError.h"
#include "storage/SafeSave.h"

#include <limits>

namespace trevik {

std::string exchangeFileName(const std::string& chosen) {
    return chosen.find('.') == std::string::npos ? chosen + ".tvx" : chosen;
}

std::string exchangeDirOf(const std::string& chosen, const std::string& current) {
    for (std::size_t i = chosen.size(); i-- > 1;) {
        if (chosen[i] == '/') {
            return chosen.substr(0, i + 1);
        }
    }
    return current;
}

namespace {

// Every record of the set, each encoded afresh onto zeros: the reserved bytes and the bytes
// after a text's terminator carry nothing of the local file.
template <typename Set, typename Record, typename Encode>
void appendRecords(Set& set, std::string& out, std::size_t recordSize, Encode encode) {
    std::string record(recordSize, '\0');
    for (bool more = set.BeginScan(); more && !set.AtEnd(); set.Next()) {
        std::fill(record.begin(), record.end(), '\0');
        encode(static_cast<const Record&>(set), reinterpret_cast<std::uint8_t*>(record.data()));
        out += record;
    }
}

} // namespace

std::string exchangeBytes(const std::filesystem::path& dataDir, const IniDocument& settings) {
    ExchangeHeader header = exchangeHeaderFromSettings(settings);
    AddrSet contacts(dataDir);
    contacts.OpenForReading();
    CalSet entries(dataDir);
    entries.OpenForReading();
    header.addressCount = contacts.count();
    header.calendarCount = entries.count();
    std::string bytes(kExchangeHeaderSize, '\0');
    bytes.reserve(kExchangeHeaderSize + std::size_t(contacts.count()) * kContactRecordSize +
                  std::size_t(entries.count()) * kCalendarRecordSize);
    encodeExchangeHeader(header, reinterpret_cast<std::uint8_t*>(bytes.data()));
    appendRecords<AddrSet, Contact>(contacts, bytes, kContactRecordSize, encodeContact);
    contacts.Close();
    appendRecords<CalSet, CalendarEntry>(entries, bytes, kCalendarRecordSize, encodeCalendarEntry);
    return bytes;
}

PrepareResult PrepareExchange(const std::filesystem::path& dataDir, const SettingsFile& settings,
                              const std::string& chosenName) {
    PrepareResult result;
    result.path = exchangeFileName(chosenName);
    std::string error;
    const IniDocument doc = settings.read(error);
    if (!error.empty()) {
        result.error = error;
        return result;
    }
    try {
        result.error = saveSafely(result.path, exchangeBytes(dataDir, doc));
    } catch (const FileError& failure) {
        result.error = failure.what();
    }
    return result;
}

} // namespace trevik
