#include "clipboard/ClipboardLines.h"

namespace trevik {

std::string AddressLine(const Contact& c) {
    std::string line;
    for (const std::string* text :
         {&c.name, &c.home, &c.work, &c.fax, &c.mobile, &c.email, &c.www, &c.address}) {
        line += *text;
        line += '\t';
    }
    line += c.misc;
    line += '\n';
    return line;
}

std::string CalendarLine(const CalendarRow& row, const char* ending) {
    if (row.isDayHeader) {
        return "\t\t" + row.dayText + "\t" + ending;
    }
    return row.timeText + "\t" + row.typeName + "\t" + row.comment + "\t" + row.fileMark + "\t" +
           row.addressMark + ending;
}

} // namespace trevik
