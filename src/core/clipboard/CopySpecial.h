#pragma once

#include "storage/ContactRecord.h"

#include <array>
#include <string>
#include <vector>

namespace trevik {

// What the copy special dialog was left at: the ticked columns in the address list's order
// (name .. misc) and the items chosen in its two separator groups.
struct CopySpecialChoice {
    std::array<bool, 9> columns{};
    int columnSeparator = 0;
    int rowSeparator = 3;
};

// The separator groups' items: Tab, Comma, SemiColon (and Enter for rows). An item index
// outside them counts as Tab between columns and as Enter between rows.
std::string copySpecialColumnSeparator(int item);
std::string copySpecialRowSeparator(int item);

// Each selected contact as its ticked texts joined by the column separator, followed by the
// row separator; with no column ticked, a row separator alone for each.
std::string copySpecialText(const std::vector<Contact>& selected, const CopySpecialChoice& choice);

} // namespace trevik
