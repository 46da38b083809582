#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
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
// An entry that shows on many days (a weekly repeat shows 52 times a year) keeps its texts
// once: the list holds each distinct row once and the grid's order as indices into them.
class CalendarRowList {
public:
    // A row as its own, and the index by which appendAgain shows it once more.
    std::uint32_t append(CalendarRow row) {
        const auto index = keep(std::move(row));
        order_.push_back(index);
        return index;
    }
    // Keeps a row for appendAgain without showing it yet.
    std::uint32_t keep(CalendarRow row) {
        distinct_.push_back(std::move(row));
        return std::uint32_t(distinct_.size() - 1);
    }
    // Shows the row kept under `index` (by append or keep) at the end, once more.
    void appendAgain(std::uint32_t index) { order_.push_back(index); }
    void reserve(std::size_t distinct, std::size_t shown) {
        distinct_.reserve(distinct);
        order_.reserve(shown);
    }
    // Adds `n` rows at the end for a build that places rows out of order; each slot must be
    // set to an index of a kept row before the list is read.
    std::uint32_t* appendSlots(std::size_t n) {
        const std::size_t at = order_.size();
        order_.resize(at + n);
        return order_.data() + at;
    }
    void clear() {
        distinct_.clear();
        order_.clear();
    }
    // The row at position n, or null outside 1..count.
    const CalendarRow* at(int n) const {
        return n >= 1 && n <= count() ? &distinct_[order_[std::size_t(n - 1)]] : nullptr;
    }
    int count() const { return int(order_.size()); }
    // The rows kept, each once however often it shows.
    std::size_t keptCount() const { return distinct_.size(); }
    bool empty() const { return order_.empty(); }
    // 0 for an empty list, else the rows plus the title row: grid row r is a data row
    // exactly when 0 < r < GridRowCount.
    int GridRowCount() const { return order_.empty() ? 0 : count() + 1; }
    // Takes the last row off the grid; its texts stay kept, as other rows may show them.
    void removeLast() {
        if (!order_.empty()) {
            order_.pop_back();
        }
    }

    // The rows in grid order, for a range-for.
    class Iterator {
    public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = CalendarRow;
        using difference_type = std::ptrdiff_t;
        using pointer = const CalendarRow*;
        using reference = const CalendarRow&;
        Iterator() = default;
        Iterator(const CalendarRowList* list, std::size_t position)
            : list_(list), position_(position) {}
        reference operator*() const { return list_->distinct_[list_->order_[position_]]; }
        pointer operator->() const { return &**this; }
        Iterator& operator++() {
            ++position_;
            return *this;
        }
        Iterator operator++(int) {
            Iterator before = *this;
            ++position_;
            return before;
        }
        friend bool operator==(const Iterator& a, const Iterator& b) {
            return a.position_ == b.position_;
        }

    private:
        const CalendarRowList* list_ = nullptr;
        std::size_t position_ = 0;
    };
    struct Rows {
        const CalendarRowList* list;
        Iterator begin() const { return {list, 0}; }
        Iterator end() const { return {list, list->order_.size()}; }
    };
    Rows rows() const { return {this}; }

    // Equal when the grids show the same rows, however they are kept.
    friend bool operator==(const CalendarRowList& a, const CalendarRowList& b) {
        if (a.count() != b.count()) {
            return false;
        }
        for (int n = 1; n <= a.count(); ++n) {
            if (!(*a.at(n) == *b.at(n))) {
                return false;
            }
        }
        return true;
    }

private:
    std::vector<CalendarRow> distinct_;
    std::vector<std::uint32_t> order_;
};

} // namespace trevik
