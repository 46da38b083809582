#pragma once

#include "common/Cp1252.h"

#include <ostream>
#include <string>

namespace trevik::cli {

// Record texts are Windows-1252; the terminal reads UTF-8.
inline void print(std::ostream& out, const std::string& stored) {
    out << cp1252ToUtf8(stored);
}

} // namespace trevik::cli
