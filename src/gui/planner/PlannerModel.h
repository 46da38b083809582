#pragma once

#include "calendar/YearlyPlanner.h"
#include "common/Locale.h"

#include <QAbstractTableModel>

#include <array>
#include <vector>

// The yearly planner's days as a 12 x 31 table: months down, days across. Each cell holds the
// day's marks as its text, so that a screen reader reads them, and names the periods covering
// the day in its tooltip. Days a month does not have stay empty.
class PlannerModel final : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit PlannerModel(const trevik::Locale& locale, QObject* parent = nullptr);

    void setYear(int year, std::vector<trevik::PlannerDay> days,
                 std::vector<trevik::PlannerPeriod> periods);
    int year() const { return year_; }

    // The marks of a day (month 1..12, day 1..31); empty when it has none or does not exist.
    std::string marks(int month, int day) const;
    // The id of the last period covering the day; -1 when there is no such day.
    std::int32_t periodId(int month, int day) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    const trevik::PlannerDay* dayAt(int month, int day) const;

    const trevik::Locale& locale_;
    int year_ = 0;
    std::vector<trevik::PlannerDay> days_;
    std::vector<trevik::PlannerPeriod> periods_;
    // The index in days_ of each (month, day), or -1.
    std::array<std::array<int, 31>, 12> index_{};
};
