#pragma once

#include <cstdint>
#include <ostream>
#include <string_view>

namespace trevik::cli {

// Writes a JSON array of flat objects, one object a line, in UTF-8:
//   list.beginObject(); list.text("name", stored); list.endObject(); ... list.finish();
class JsonList {
public:
    explicit JsonList(std::ostream& out) : out_(out) {}

    void beginObject();
    // A record text (Windows-1252 bytes) as a JSON string.
    void text(const char* key, std::string_view stored);
    void number(const char* key, std::int64_t value);
    // An id or link, or null for -1 (none).
    void idOrNull(const char* key, std::int32_t id);
    void endObject();
    // Closes the array; an empty list is "[]".
    void finish();

private:
    void key(const char* name);

    std::ostream& out_;
    std::size_t objects_ = 0;
    bool firstField_ = true;
};

} // namespace trevik::cli
