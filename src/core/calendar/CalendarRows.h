#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace trevik {

// One row of the calendar grid below its title row: a day header or an entry.
struct CalendarRow {
    bool isDayHeader = false;
    std::uint32_t recordId = 0;
    std::string typeName;
    std::string dayText;
    std::string timeText;
    std::string comment;
    char addressMark = ' ';
    std::int32_t addressId = -1;
    char fileMark = ' ';
    std::string fileLink;
    friend bool operator==(const CalendarRow&, const CalendarRow&) = default;
};

// The grid's rows. Positions are one-based and equal grid row numbers; row 0 is the title.
class CalendarRowList {
public:
    void append(CalendarRow row) { rows_.push_back(std::move(row)); }
    void clear() { rows_.clear(); }
    // The row at position n, or null outside 1..count.
    const CalendarRow* at(int n) const {
        return n >= 1 && n <= count() ? &rows_[std::size_t(n - 1)] : nullptr;
    }
    int count() const { return int(rows_.size()); }
    bool empty() const { return rows_.empty(); }
    // 0 for an empty list, else the rows plus the title row: grid row r is a data row
    // exactly when 0 < r < GridRowCount.
    int GridRowCount() const { return rows_.empty() ? 0 : count() + 1; }
    void removeLast() {
        if (!rows_.empty()) {
            rows_.pop_back();
        }
    }
    const std::vector<CalendarRow>& rows() const { return rows_; }
    friend bool operator==(const CalendarRowList&, const CalendarRowList&) = default;

private:
    std::vector<CalendarRow> rows_;
};

} // namespace trevik
