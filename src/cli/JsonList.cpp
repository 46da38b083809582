#include "JsonList.h"

#include "common/Cp1252.h"

#include <cstdio>
#include <string>

namespace trevik::cli {

namespace {

void writeString(std::ostream& out, std::string_view utf8) {
    out << '"';
    for (const char c : utf8) {
        switch (c) {
        case '"':
            out << "\\\"";
            break;
        case '\\':
            out << "\\\\";
            break;
        case '\n':
            out << "\\n";
            break;
        case '\r':
            out << "\\r";
            break;
        case '\t':
            out << "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", unsigned(c));
                out << escaped;
            } else {
                out << c;
            }
            break;
        }
    }
    out << '"';
}

} // namespace

void JsonList::beginObject() {
    out_ << (objects_++ == 0 ? "[\n{" : ",\n{");
    firstField_ = true;
}

void JsonList::key(const char* name) {
    if (!firstField_) {
        out_ << ',';
    }
    firstField_ = false;
    out_ << '"' << name << "\":";
}

void JsonList::text(const char* name, std::string_view stored) {
    key(name);
    writeString(out_, cp1252ToUtf8(stored));
}

void JsonList::number(const char* name, std::int64_t value) {
    key(name);
    out_ << value;
}

void JsonList::idOrNull(const char* name, std::int32_t id) {
    key(name);
    if (id == -1) {
        out_ << "null";
    } else {
        out_ << id;
    }
}

void JsonList::endObject() {
    out_ << '}';
}

void JsonList::finish() {
    out_ << (objects_ == 0 ? "[]\n" : "\n]\n");
}

} // namespace trevik::cli
