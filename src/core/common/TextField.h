#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace trevik {

// A fixed-width text field of a record: zero-terminated when shorter than the field,
// unterminated when exactly as long. The reader never looks past the field's width.
std::string readTextField(const std::uint8_t* field, std::size_t width);

// Writes at most `width` bytes of `text`, with a terminator when it is shorter than the
// field. The bytes after the terminator keep what they held.
void writeTextField(std::uint8_t* field, std::size_t width, std::string_view text);

} // namespace trevik
