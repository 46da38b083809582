#pragma once

#include "common/Locale.h"

#include <memory>

namespace trevik::cli {

// The environment's locale for names and the short date pattern when it names one (LC_TIME,
// LC_ALL or LANG); English otherwise.
std::unique_ptr<Locale> environmentLocale();

} // namespace trevik::cli
