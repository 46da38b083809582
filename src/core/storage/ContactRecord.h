#pragma once

#include "common/DateTime.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace trevik {

// One contact. Texts are Windows-1252 bytes, as stored.
struct Contact {
    std::int32_t id = 0;
    DateTime updated = 0;
    DateTime created = 0;
    std::int32_t originUid = 0;
    std::string name;
    std::string home;
    std::string work;
    std::string fax;
    std::string mobile;
    std::string email;
    std::string www;
    std::string address;
    std::string misc;
};

inline constexpr std::size_t kContactRecordSize = 360;

// One text of a contact as the address file lays it out, in the order of the address list's
// columns (and of every line and file that carries a contact's texts).
struct ContactTextField {
    std::string Contact::*member;
    std::size_t offset;
    // Bytes the record holds, and the characters a user may enter (the Misc memo keeps two
    // bytes spare).
    std::size_t width;
    std::size_t inputWidth;
    // The list's column caption, and the lower-case key that names the field to scripts.
    const char* caption;
    const char* key;
    // A memo holds several lines, with CR LF line breaks.
    bool memo = false;
};

inline constexpr std::array<ContactTextField, 9> kContactTexts = {{
    {&Contact::name, 28, 30, 30, "Name", "name"},
    {&Contact::home, 58, 30, 30, "Home", "home"},
    {&Contact::work, 88, 30, 30, "Work", "work"},
    {&Contact::fax, 118, 30, 30, "Fax", "fax"},
    {&Contact::mobile, 148, 30, 30, "Mobile", "mobile"},
    {&Contact::email, 178, 30, 30, "E-mail", "email"},
    {&Contact::www, 208, 50, 50, "WWW", "www"},
    {&Contact::address, 258, 50, 50, "Address", "address", true},
    {&Contact::misc, 308, 52, 50, "Misc", "misc", true},
}};

// The 360-byte address record <-> a contact. Encoding writes only the bytes the layout
// defines: the rest of `record` (the four leading bytes, text past a terminator) is kept.
Contact decodeContact(const std::uint8_t* record);
void encodeContact(const Contact& contact, std::uint8_t* record);

} // namespace trevik
