#pragma once

#include <string>
#include <vector>

namespace trevik {

// One item of an imported file that did not go in whole: its UID (empty when it had none), its
// name or summary as the user knows it (UTF-8), and why, in words for the user.
struct InterchangeNote {
    std::string uid;
    std::string name;
    std::string reason;
    friend bool operator==(const InterchangeNote&, const InterchangeNote&) = default;
};

// What reading a file found besides its records: items taken with a loss (a text cut, a
// recurrence simplified) and items not taken at all.
struct InterchangeNotes {
    std::vector<InterchangeNote> lossy;
    std::vector<InterchangeNote> skipped;
};

} // namespace trevik
