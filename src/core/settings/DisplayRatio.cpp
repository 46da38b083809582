#include "settings/DisplayRatio.h"

#include <algorithm>
#include <cstdio>

namespace trevik {

std::int32_t ratioUp(std::int32_t addressRatio) {
    return addressRatio < 100 ? std::min(addressRatio + 5, 100) : addressRatio;
}

std::int32_t ratioDown(std::int32_t addressRatio) {
    return addressRatio > 0 ? std::max(addressRatio - 5, 0) : addressRatio;
}

std::string ratioText(std::int32_t addressRatio) {
    char text[32];
    std::snprintf(text, sizeof text, "%2d/%2d", int(addressRatio), int(100 - addressRatio));
    return text;
}

} // namespace trevik
