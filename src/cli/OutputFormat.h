#pragma once

#include "Arguments.h"

namespace trevik::cli {

enum class OutputFormat { Tsv, Json };

// The option every read command takes.
inline constexpr const char* kFormatOption = "format";

// "--format tsv|json"; tab-separated rows when not given. Throws UsageError for another value.
OutputFormat outputFormat(const Arguments& args);

} // namespace trevik::cli
