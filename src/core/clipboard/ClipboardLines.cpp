#include "clipboard/ClipboardLines.h"

namespace trevik {

std::string addressLine(const Contact& c) {
    std::string line;
    for (const ContactTextField& field : kContactTexts) {
        line += c.*field.member;
        line += field.member == kContactTexts.back().member ? '\n' : '\t';
    }
    return line;
}

std::string calendarLine(const CalendarRow& row, const char* ending) {
    if (row.isDayHeader) {
        return "\t\t" + row.dayText + "\t" + ending;
    }
    return row.timeText + "\t" + row.typeName + "\t" + row.comment + "\t" + row.fileMark + "\t" +
           row.addressMark + ending;
}

std::string contactsCopyText(const std::vector<Contact>& selected) {
    std::string text;
    for (const Contact& contact : selected) {
        text += addressLine(contact);
    }
    return text;
}

std::string calendarCopyText(const CalendarRowList& rows, int top, int bottom) {
    std::string text;
    for (int gridRow = top; gridRow <= bottom; ++gridRow) {
        if (const CalendarRow* row = rows.at(gridRow)) {
            text += calendarLine(*row);
        }
    }
    return text;
}

} // namespace trevik
