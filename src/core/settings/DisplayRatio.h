#pragma once

#include <cstdint>
#include <string>

namespace trevik {

// The options dialog's ratio buttons: the address pane's share of the width moves by 5 and
// stays within 0..100, also from a stored ratio that is no multiple of 5.
std::int32_t ratioUp(std::int32_t addressRatio);
std::int32_t ratioDown(std::int32_t addressRatio);
// "%2d/%2d" of the address share and the calendar's ("60/40", " 5/95").
std::string ratioText(std::int32_t addressRatio);

} // namespace trevik
