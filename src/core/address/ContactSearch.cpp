#include "address/ContactSearch.h"

#include "common/Cp1252.h"

#include <algorithm>

namespace trevik {

ContactSearch::ContactSearch(std::string text, bool matchCase)
    : text_(matchCase ? std::move(text) : cp1252ToLower(text)), matchCase_(matchCase) {}

bool ContactSearch::matches(const Contact& contact) const {
    return std::any_of(
        kContactTexts.begin(), kContactTexts.end(), [&](const ContactTextField& field) {
            const std::string& column = contact.*field.member;
            return (matchCase_ ? column : cp1252ToLower(column)).find(text_) != std::string::npos;
        });
}

int findListedContact(int count, int from, const std::function<const Contact&(int)>& contactAt,
                      const ContactSearch& search) {
    for (int index = std::max(from, 0); index < count; ++index) {
        if (search.matches(contactAt(index))) {
            return index;
        }
    }
    return -1;
}

} // namespace trevik
