#include "tools/NotesText.h"

namespace trevik {

std::string editTextFromNote(std::string_view note) {
    std::string text;
    text.reserve(note.size());
    for (std::size_t i = 0; i < note.size(); ++i) {
        if (note[i] == '\r') {
            text += '\n';
            if (i + 1 < note.size() && note[i + 1] == '\n') {
                ++i;
            }
        } else {
            text += note[i];
        }
    }
    return text;
}

std::string noteFromEditText(std::string_view text) {
    std::string note;
    note.reserve(text.size() + text.size() / 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r' || c == '\n') {
            note += "\r\n";
            if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
                ++i;
            }
        } else if (c != '\0') {
            note += c;
        }
    }
    return note;
}

} // namespace trevik
