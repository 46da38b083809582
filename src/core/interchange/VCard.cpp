// The vCard side, on Evolution's EVCard: it reads 2.1 (quoted-printable, CHARSET), 3.0 and 4.0
// and writes folded 3.0. GLib stays inside this file.
#include "interchange/VCard.h"

#include "interchange/FieldText.h"
#include "interchange/RecordUid.h"
#include "interchange/Stamp.h"

#include <libebook-contacts/libebook-contacts.h>

#include <memory>
#include <optional>

namespace trevik {

namespace {

struct VCardDeleter {
    void operator()(EVCard* card) const { g_object_unref(card); }
};
using VCardPtr = std::unique_ptr<EVCard, VCardDeleter>;

struct GFreeDeleter {
    void operator()(gchar* text) const { g_free(text); }
};
using GText = std::unique_ptr<gchar, GFreeDeleter>;

EVCardAttribute* newAttribute(const char* name) {
    return e_vcard_attribute_new(nullptr, name);
}

void addTyped(EVCard* card, const char* name, const std::string& value,
              std::initializer_list<const char*> types) {
    if (value.empty()) {
        return;
    }
    EVCardAttribute* attribute = newAttribute(name);
    if (types.size() > 0) {
        EVCardAttributeParam* param = e_vcard_attribute_param_new(EVC_TYPE);
        for (const char* type : types) {
            e_vcard_attribute_param_add_value(param, type);
        }
        e_vcard_attribute_add_param(attribute, param);
    }
    e_vcard_append_attribute_with_value(card, attribute, exportedText(value).c_str());
}

// "Family, Given" or "Given Family" as the N property's first two parts.
std::pair<std::string, std::string> splitName(const std::string& name) {
    if (const auto comma = name.find(", "); comma != std::string::npos) {
        return {name.substr(0, comma), name.substr(comma + 2)};
    }
    if (const auto space = name.rfind(' '); space != std::string::npos) {
        return {name.substr(space + 1), name.substr(0, space)};
    }
    return {name, {}};
}

std::string cardText(const Contact& contact) {
    VCardPtr card(e_vcard_new());
    const std::string uid = recordUid(contact.created, contact.originUid);
    e_vcard_append_attribute_with_value(card.get(), newAttribute(EVC_UID), uid.c_str());
    e_vcard_append_attribute_with_value(card.get(), newAttribute(EVC_FN),
                                        exportedText(contact.name).c_str());
    const auto [family, given] = splitName(contact.name);
    e_vcard_append_attribute_with_values(card.get(), newAttribute(EVC_N),
                                         exportedText(family).c_str(), exportedText(given).c_str(),
                                         "", "", "", nullptr);
    addTyped(card.get(), EVC_TEL, contact.home, {"HOME", "VOICE"});
    addTyped(card.get(), EVC_TEL, contact.work, {"WORK", "VOICE"});
    addTyped(card.get(), EVC_TEL, contact.fax, {"FAX"});
    addTyped(card.get(), EVC_TEL, contact.mobile, {"CELL"});
    addTyped(card.get(), EVC_EMAIL, contact.email, {"INTERNET"});
    addTyped(card.get(), EVC_URL, contact.www, {});
    if (!contact.address.empty()) {
        // The address is free text: it goes whole into the street part, and as the label.
        e_vcard_append_attribute_with_values(card.get(), newAttribute(EVC_ADR), "", "",
                                             exportedText(contact.address).c_str(), "", "", "", "",
                                             nullptr);
        addTyped(card.get(), EVC_LABEL, contact.address, {});
    }
    addTyped(card.get(), EVC_NOTE, contact.misc, {});
    if (const std::string rev = utcStampText(contact.updated); !rev.empty()) {
        e_vcard_append_attribute_with_value(card.get(), newAttribute(EVC_REV), rev.c_str());
    }
    const GText text(e_vcard_to_string(card.get(), EVC_FORMAT_VCARD_30));
    return text ? std::string(text.get()) : std::string();
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    return g_ascii_strncasecmp(a.data(), b.data(), std::max(a.size(), b.size())) == 0 &&
           a.size() == b.size();
}

bool hasType(EVCardAttribute* attribute, const char* type) {
    return e_vcard_attribute_has_type(attribute, type);
}

// A number is a tel: URI only where the card says so; in a 3.0 card "tel:" is the number's own
// text.
bool isUriNumber(EVCard* card, EVCardAttribute* attribute) {
    for (GList* v = e_vcard_attribute_get_param(attribute, EVC_VALUE); v; v = v->next) {
        if (v->data && equalsIgnoringCase(static_cast<const char*>(v->data), "uri")) {
            return true;
        }
    }
    EVCardAttribute* version = e_vcard_get_attribute(card, EVC_VERSION);
    GList* versionValue = version ? e_vcard_attribute_get_values(version) : nullptr;
    return versionValue && versionValue->data &&
           std::string_view(static_cast<const char*>(versionValue->data)) == "4.0";
}

std::vector<std::string> valuesOf(EVCardAttribute* attribute) {
    std::vector<std::string> values;
    for (GList* v = e_vcard_attribute_get_values(attribute); v; v = v->next) {
        values.emplace_back(v->data ? static_cast<const char*>(v->data) : "");
    }
    return values;
}

std::string joinedValue(EVCardAttribute* attribute, const char* separator) {
    std::string joined;
    for (const std::string& value : valuesOf(attribute)) {
        if (value.empty()) {
            continue;
        }
        if (!joined.empty()) {
            joined += separator;
        }
        joined += value;
    }
    return joined;
}

std::string attributeName(EVCardAttribute* attribute) {
    const char* name = e_vcard_attribute_get_name(attribute);
    return name ? name : "";
}

// The texts of one card, gathered before they are fitted into the record's fields.
struct CardTexts {
    std::string uid;
    std::string fn;
    std::string n;
    std::string org;
    std::optional<std::string> phones[4]; // home, work, fax, mobile
    std::optional<std::string> email;
    std::optional<std::string> url;
    std::optional<std::string> address;
    std::optional<std::string> label;
    std::optional<std::string> note;
    std::optional<DateTime> rev;
    std::vector<std::string> losses;
};

const char* const kPhoneNames[4] = {"home phone", "work phone", "fax", "mobile phone"};

void keepFirst(std::optional<std::string>& slot, std::string value, const char* what,
               std::vector<std::string>& losses) {
    if (value.empty()) {
        return;
    }
    if (slot) {
        losses.push_back(std::string("a second ") + what + " was left out: " + value);
        return;
    }
    slot = std::move(value);
}

int phoneSlot(EVCardAttribute* attribute) {
    if (hasType(attribute, "CELL")) {
        return 3;
    }
    if (hasType(attribute, "FAX")) {
        return 2;
    }
    if (hasType(attribute, "WORK")) {
        return 1;
    }
    return 0;
}

CardTexts readCard(EVCard* card) {
    CardTexts texts;
    for (GList* a = e_vcard_get_attributes(card); a; a = a->next) {
        auto* attribute = static_cast<EVCardAttribute*>(a->data);
        const std::string name = attributeName(attribute);
        const auto is = [&](const char* wanted) { return equalsIgnoringCase(name, wanted); };
        if (is(EVC_UID)) {
            texts.uid = joinedValue(attribute, ";");
        } else if (is(EVC_FN)) {
            if (texts.fn.empty()) {
                texts.fn = joinedValue(attribute, " ");
            }
        } else if (is(EVC_N)) {
            const auto parts = valuesOf(attribute);
            // Given (and additional) names before the family name.
            std::string joined;
            for (std::size_t i :
                 {std::size_t(3), std::size_t(1), std::size_t(2), std::size_t(0), std::size_t(4)}) {
                if (i < parts.size() && !parts[i].empty()) {
                    joined += (joined.empty() ? "" : " ") + parts[i];
                }
            }
            texts.n = joined;
        } else if (is(EVC_ORG)) {
            texts.org = joinedValue(attribute, ", ");
        } else if (is(EVC_TEL)) {
            std::string number = joinedValue(attribute, " ");
            if (number.starts_with("tel:") && isUriNumber(card, attribute)) {
                number.erase(0, 4);
            }
            const int slot = phoneSlot(attribute);
            keepFirst(texts.phones[slot], number, kPhoneNames[slot], texts.losses);
        } else if (is(EVC_EMAIL)) {
            keepFirst(texts.email, joinedValue(attribute, " "), "e-mail address", texts.losses);
        } else if (is(EVC_URL)) {
            keepFirst(texts.url, joinedValue(attribute, " "), "web address", texts.losses);
        } else if (is(EVC_ADR)) {
            const auto parts = valuesOf(attribute);
            // Post box, extended address and street; then postal code and town; region;
            // country: one line each, as a label would read.
            std::string lines;
            const auto line = [&](const std::string& text) {
                if (!text.empty()) {
                    lines += (lines.empty() ? "" : "\n") + text;
                }
            };
            const auto part = [&](std::size_t i) { return i < parts.size() ? parts[i] : ""; };
            line(part(0));
            line(part(1));
            line(part(2));
            std::string town = part(5);
            if (!part(3).empty()) {
                town += (town.empty() ? "" : " ") + part(3);
            }
            line(town);
            line(part(4));
            line(part(6));
            keepFirst(texts.address, lines, "address", texts.losses);
        } else if (is(EVC_LABEL)) {
            if (!texts.label) {
                texts.label = joinedValue(attribute, " ");
            }
        } else if (is(EVC_NOTE)) {
            keepFirst(texts.note, joinedValue(attribute, " "), "note", texts.losses);
        } else if (is(EVC_REV)) {
            texts.rev = parseStamp(joinedValue(attribute, ""));
        }
    }
    return texts;
}

// The lines of a file from one BEGIN:VCARD to its END:VCARD, nested cards (2.1's AGENT) kept
// inside. A card the file ends in is not whole and is left out.
std::vector<std::string_view> splitCards(std::string_view text, std::size_t& unfinished) {
    std::vector<std::string_view> cards;
    std::size_t start = std::string_view::npos;
    int depth = 0;
    std::size_t at = 0;
    unfinished = 0;
    while (at < text.size()) {
        std::size_t end = text.find('\n', at);
        const std::size_t next = end == std::string_view::npos ? text.size() : end + 1;
        std::string_view line = text.substr(at, next - at);
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r' || line.back() == ' ' ||
                                 line.back() == '\t')) {
            line.remove_suffix(1);
        }
        if (equalsIgnoringCase(line, "BEGIN:VCARD")) {
            if (depth++ == 0) {
                start = at;
            }
        } else if (equalsIgnoringCase(line, "END:VCARD") && depth > 0) {
            if (--depth == 0) {
                cards.push_back(text.substr(start, next - start));
            }
        }
        at = next;
    }
    if (depth > 0) {
        unfinished = 1;
    }
    return cards;
}

} // namespace

std::string contactsToVCard(const std::vector<Contact>& contacts) {
    std::string text;
    for (const Contact& contact : contacts) {
        text += cardText(contact);
        text += "\r\n";
    }
    return text;
}

ContactsRead contactsFromVCard(std::string_view text) {
    ContactsRead read;
    std::size_t unfinished = 0;
    for (const std::string_view cardSource : splitCards(text, unfinished)) {
        // EVCard reads a C string, and reads past the end of one that stops inside a
        // quoted-printable value: NUL bytes are dropped, so that it always gets the whole card
        // up to its END line.
        std::string source;
        source.reserve(cardSource.size() + 2);
        for (const char c : cardSource) {
            if (c != '\0') {
                source += c;
            }
        }
        if (source.back() != '\n') {
            source += "\r\n";
        }
        VCardPtr card(e_vcard_new_from_string(source.c_str()));
        if (!card) {
            read.notes.skipped.push_back({{}, {}, "the card could not be read"});
            continue;
        }
        CardTexts texts = readCard(card.get());
        Contact contact;
        std::string name = !texts.fn.empty() ? texts.fn : !texts.n.empty() ? texts.n : texts.org;
        if (name.empty() && texts.email) {
            name = *texts.email;
        }
        const std::string noteUid = texts.uid.substr(0, 200);
        std::vector<std::string>& losses = texts.losses;
        const auto fit = [&](std::string Contact::*member, const std::string& value) {
            for (const ContactTextField& field : kContactTexts) {
                if (field.member == member) {
                    contact.*member = fieldText(value, field.width, field.memo, field.key, losses);
                }
            }
        };
        fit(&Contact::name, name);
        if (contact.name.empty()) {
            read.notes.skipped.push_back({noteUid, {}, "the card has no name"});
            continue;
        }
        std::string Contact::*const phoneMembers[4] = {&Contact::home, &Contact::work,
                                                       &Contact::fax, &Contact::mobile};
        for (int i = 0; i < 4; ++i) {
            if (texts.phones[i]) {
                fit(phoneMembers[i], *texts.phones[i]);
            }
        }
        if (texts.email) {
            fit(&Contact::email, *texts.email);
        }
        if (texts.url) {
            fit(&Contact::www, *texts.url);
        }
        if (texts.address) {
            fit(&Contact::address, *texts.address);
        } else if (texts.label) {
            fit(&Contact::address, *texts.label);
        }
        if (texts.note) {
            fit(&Contact::misc, *texts.note);
        }
        if (texts.uid.empty()) {
            // Without a UID the card's texts are its identity: the same card finds the same
            // contact again.
            const RecordIdentity identity = identityFromUid("card:" + contact.name);
            contact.created = identity.created;
            contact.originUid = identity.originUid;
        } else {
            const RecordIdentity identity = identityFromUid(texts.uid);
            contact.created = identity.created;
            contact.originUid = identity.originUid;
        }
        contact.updated = texts.rev.value_or(double(kFirstCivilDay));
        for (const std::string& loss : losses) {
            read.notes.lossy.push_back({noteUid, exportedText(contact.name), loss});
        }
        read.contacts.push_back(std::move(contact));
    }
    if (unfinished > 0) {
        read.notes.skipped.push_back({{}, {}, "the file ends inside a card"});
    }
    return read;
}

} // namespace trevik
