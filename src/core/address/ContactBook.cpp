#include "address/ContactBook.h"

#include "address/AddressList.h"
#include "storage/AddrSet.h"
#include "storage/RecordStream.h"

#include <algorithm>
#include <cstring>

namespace trevik {

ContactBook::Reading ContactBook::read(const std::filesystem::path& directory) {
    const std::size_t size = std::size_t(AddrSet::kRecordSize);
    Reading reading;
    RecordStream stream(directory, AddrSet::kFileName, AddrSet::kRecordSize);
    reading.found = stream.Open();
    const std::size_t known = contacts_.size();
    while (const std::uint8_t* record = stream.next()) {
        const std::size_t at = reading.count++;
        if (at < known && std::memcmp(record, bytes_.data() + at * size, size) == 0) {
            continue;
        }
        reading.changedAt.push_back(std::uint32_t(at));
        reading.changedBytes.insert(reading.changedBytes.end(), record, record + size);
    }
    return reading;
}

void ContactBook::take(Reading reading) {
    const std::size_t size = std::size_t(AddrSet::kRecordSize);
    if (reading.changedAt.empty() && reading.count == contacts_.size()) {
        return;
    }
    bytes_.resize(reading.count * size);
    contacts_.resize(reading.count);
    for (std::size_t i = 0; i < reading.changedAt.size(); ++i) {
        const std::uint8_t* record = reading.changedBytes.data() + i * size;
        const std::size_t at = reading.changedAt[i];
        std::memcpy(bytes_.data() + at * size, record, size);
        contacts_[at] = decodeContact(record);
    }
    ++revision_;
}

std::vector<std::uint32_t> ContactBook::matching(std::string_view filter) const {
    std::vector<std::uint32_t> positions;
    positions.reserve(filter.empty() ? contacts_.size() : 0);
    for (std::size_t i = 0; i < contacts_.size(); ++i) {
        if (nameMatchesFilter(contacts_[i].name, filter)) {
            positions.push_back(std::uint32_t(i));
        }
    }
    return positions;
}

void ContactBook::sortPositions(std::vector<std::uint32_t>& positions, int column,
                                const Locale& locale) {
    if (ranksColumn_ != column || ranksRevision_ != revision_) {
        const std::vector<std::size_t> order = sortedPositions(contacts_, column, locale);
        ranks_.resize(contacts_.size());
        for (std::size_t rank = 0; rank < order.size(); ++rank) {
            ranks_[order[rank]] = rank;
        }
        ranksColumn_ = column;
        ranksRevision_ = revision_;
    }
    // Ranks are unique and follow file order among equal texts, so this order is stable.
    std::sort(positions.begin(), positions.end(),
              [&](std::uint32_t a, std::uint32_t b) { return ranks_[a] < ranks_[b]; });
}

} // namespace trevik
