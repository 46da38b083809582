#include "TabSeparated.h"

namespace trevik::cli {

bool isPlainTsvField(std::string_view stored) {
    return stored.find_first_of("\r\n\t\\") == std::string_view::npos;
}

std::string tsvField(std::string_view stored) {
    if (isPlainTsvField(stored)) {
        return std::string(stored);
    }
    std::string field;
    field.reserve(stored.size() + 8);
    for (std::size_t i = 0; i < stored.size(); ++i) {
        switch (stored[i]) {
        case '\r':
            if (i + 1 < stored.size() && stored[i + 1] == '\n') {
                ++i;
            }
            field += "\\n";
            break;
        case '\n':
            field += "\\n";
            break;
        case '\t':
            field += "\\t";
            break;
        case '\\':
            field += "\\\\";
            break;
        default:
            field += stored[i];
            break;
        }
    }
    return field;
}

} // namespace trevik::cli
