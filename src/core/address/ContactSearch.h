#pragma once

#include "storage/ContactRecord.h"

#include <functional>
#include <string>

namespace trevik {

// The search dialog's question of one listed contact: does its text occur in one of the nine
// visible texts (never the id)? Without matching case both sides are lower-cased by the code
// page's own rule, as the find box does.
class ContactSearch {
public:
    ContactSearch(std::string text, bool matchCase);
    bool matches(const Contact& contact) const;

private:
    std::string text_;
    bool matchCase_;
};

// The index of the first of `count` listed contacts from index `from` on that matches; -1 when
// none does. There is no wrap-around to the top.
int findListedContact(int count, int from, const std::function<const Contact&(int)>& contactAt,
                      const ContactSearch& search);

} // namespace trevik
