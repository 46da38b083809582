#include "OutputFormat.h"

#include "CliContext.h"

namespace trevik::cli {

OutputFormat outputFormat(const Arguments& args) {
    const auto format = args.option(kFormatOption);
    if (!format || *format == "tsv") {
        return OutputFormat::Tsv;
    }
    if (*format == "json") {
        return OutputFormat::Json;
    }
    throw UsageError("unknown format '" + *format + "' (tsv or json)");
}

} // namespace trevik::cli
