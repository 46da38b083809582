#include "common/TextField.h"

#include <algorithm>
#include <cstring>

namespace trevik {

std::string readTextField(const std::uint8_t* field, std::size_t width) {
    const auto* begin = reinterpret_cast<const char*>(field);
    const auto* end = std::find(begin, begin + width, '\0');
    return std::string(begin, end);
}

void writeTextField(std::uint8_t* field, std::size_t width, std::string_view text) {
    const std::size_t length = std::min(text.size(), width);
    std::memcpy(field, text.data(), length);
    if (length < width) {
        field[length] = 0;
    }
}

} // namespace trevik
