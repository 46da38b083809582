#pragma once

#include "common/Clock.h"
#include "storage/ContactRecord.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace trevik {

// A paste takes at most this many bytes of the clipboard's text.
inline constexpr std::size_t kPasteLimit = 65534;

// The lines of a pasted text, each with its line end. A line ends at a line feed, except that
// in text that ends its lines with a lone LF (as Copy and Cut write them) a CR LF inside the
// address or misc text is one of that memo's line breaks and the line goes on past it.
std::vector<std::string_view> pastedLines(std::string_view text);

// Reads one pasted line, its line end included, into the nine texts of `record`: the texts
// run from tab to tab in the address list's order, a text with no tab after it and all later
// ones stay empty, and misc is what follows the eighth tab up to the line end. False, and
// `record` untouched, when the line holds nine tabs or more.
bool ParseAddressLine(Contact& record, std::string_view line);

// Whether PasteAddresses would take every line of `text`: it ends with a line feed and no
// line holds nine tabs.
bool isAddressText(std::string_view text);

struct AddressPaste {
    // Contacts appended; their ids are consecutive from `firstId`.
    int added = 0;
    std::int32_t firstId = 0;
    // The text (when nothing was added) or one of its lines (after the ones added) is not in
    // the address format.
    bool refused = false;
    // Why the address file could not be used; empty when it could.
    std::string error;
};

// Appends a contact for each line of `text` (at most kPasteLimit bytes of it are taken), with
// new ids, stamped now, with this installation's UID and creation stamps 1e-9 day apart so
// that each is told apart. A text that is empty or does not end with a line feed adds nothing;
// a bad line stops the paste, keeping the contacts added before it.
AddressPaste PasteAddresses(const std::filesystem::path& directory, std::string_view text,
                            const Clock& clock, std::int32_t installationUid);

} // namespace trevik
