#include "clipboard/AddressPaste.h"

#include "storage/AddrSet.h"

#include <algorithm>
#include <limits>

namespace trevik {

namespace {

constexpr double kCreatedStep = 1e-9; // days between the creation stamps of pasted contacts

// The tab count from which a line has reached its address text, the first memo.
constexpr int kTabsBeforeAddress = 7;

bool hasLoneLineFeed(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) {
            return true;
        }
    }
    return false;
}

} // namespace

std::vector<std::string_view> pastedLines(std::string_view text) {
    const bool memoBreaksKept = hasLoneLineFeed(text);
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    int tabs = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\t') {
            ++tabs;
            continue;
        }
        if (text[i] != '\n') {
            continue;
        }
        const bool crLf = i > start && text[i - 1] == '\r';
        const bool lastInText = i + 1 == text.size();
        if (memoBreaksKept && crLf && tabs >= kTabsBeforeAddress && !lastInText) {
            continue;
        }
        lines.push_back(text.substr(start, i + 1 - start));
        start = i + 1;
        tabs = 0;
    }
    return lines;
}

bool ParseAddressLine(Contact& record, std::string_view line) {
    const std::string_view body = line.empty() ? line : line.substr(0, line.size() - 1);
    if (std::count(body.begin(), body.end(), '\t') >= 9) {
        return false;
    }
    for (const ContactTextField& field : kContactTexts) {
        (record.*field.member).clear();
    }
    std::size_t point = 0;
    std::size_t passed = 0;
    for (; passed + 1 < kContactTexts.size(); ++passed) {
        const std::size_t tab = body.find('\t', point);
        if (tab == std::string_view::npos) {
            return true;
        }
        record.*kContactTexts[passed].member = std::string(body.substr(point, tab - point));
        point = tab + 1;
    }
    std::string_view misc = body.substr(point);
    // The CR of a CR LF line end belongs to the line end, not to the text.
    if (!misc.empty() && misc.back() == '\r') {
        misc.remove_suffix(1);
    }
    record.*kContactTexts.back().member = std::string(misc);
    return true;
}

bool isAddressText(std::string_view text) {
    text = text.substr(0, std::min(text.size(), kPasteLimit));
    if (text.empty() || text.back() != '\n') {
        return false;
    }
    for (const std::string_view line : pastedLines(text)) {
        Contact scratch;
        if (!ParseAddressLine(scratch, line)) {
            return false;
        }
    }
    return true;
}

AddressPaste PasteAddresses(const std::filesystem::path& directory, std::string_view text,
                            const Clock& clock, std::int32_t installationUid) {
    AddressPaste paste;
    text = text.substr(0, std::min(text.size(), kPasteLimit));
    if (text.empty() || text.back() != '\n') {
        paste.refused = true;
        return paste;
    }
    AddrSet set(directory);
    set.Open();
    if (!set.isOpen()) {
        paste.error = set.lastError();
        return paste;
    }
    DateTime stamp = clock.now();
    // The set is locked while it is open, so the largest id moves only with our own appends.
    std::int32_t largest = set.NextId();
    for (const std::string_view line : pastedLines(text)) {
        if (largest == std::numeric_limits<std::int32_t>::max()) {
            paste.error = set.filePath().string() + ": the largest id, " + std::to_string(largest) +
                          ", is in use; no new id is left";
            break;
        }
        set.NewRecord();
        set.id = largest + 1;
        set.updated = NowToSecond(clock);
        if (!ParseAddressLine(set, line)) {
            paste.refused = true;
            break;
        }
        set.originUid = installationUid;
        set.created = stamp;
        stamp += kCreatedStep;
        set.Write();
        if (!set.lastError().empty()) {
            paste.error = set.lastError();
            break;
        }
        largest = set.id;
        if (paste.added++ == 0) {
            paste.firstId = set.id;
        }
    }
    return paste;
}

} // namespace trevik
