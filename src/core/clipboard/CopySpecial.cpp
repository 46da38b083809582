#include "clipboard/CopySpecial.h"

namespace trevik {

std::string copySpecialColumnSeparator(int item) {
    switch (item) {
    case 1:
        return ",";
    case 2:
        return ";";
    default:
        return "\t";
    }
}

std::string copySpecialRowSeparator(int item) {
    switch (item) {
    case 0:
        return "\t";
    case 1:
        return ",";
    case 2:
        return ";";
    default:
        return "\r\n";
    }
}

std::string copySpecialText(const std::vector<Contact>& selected, const CopySpecialChoice& choice) {
    const std::string columnSeparator = copySpecialColumnSeparator(choice.columnSeparator);
    const std::string rowSeparator = copySpecialRowSeparator(choice.rowSeparator);
    std::string text;
    for (const Contact& contact : selected) {
        bool first = true;
        for (std::size_t i = 0; i < kContactTexts.size(); ++i) {
            if (!choice.columns[i]) {
                continue;
            }
            if (!first) {
                text += columnSeparator;
            }
            text += contact.*kContactTexts[i].member;
            first = false;
        }
        text += rowSeparator;
    }
    return text;
}

} // namespace trevik
