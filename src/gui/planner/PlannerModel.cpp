#include "planner/PlannerModel.h"

#include "platform/StoredText.h"

using namespace trevik;

namespace {

// The planner's fixed texts are English, whatever the desktop's language.
const char* const kMonthNames[12] = {"January",   "February", "March",    "April",
                                     "May",       "June",     "July",     "August",
                                     "September", "October",  "November", "December"};

} // namespace

PlannerModel::PlannerModel(const Locale& locale, QObject* parent)
    : QAbstractTableModel(parent), locale_(locale) {
    for (auto& month : index_) {
        month.fill(-1);
    }
}

void PlannerModel::setYear(int year, std::vector<PlannerDay> days,
                           std::vector<PlannerPeriod> periods) {
    beginResetModel();
    year_ = year;
    days_ = std::move(days);
    periods_ = std::move(periods);
    for (auto& month : index_) {
        month.fill(-1);
    }
    for (std::size_t i = 0; i < days_.size(); ++i) {
        const PlannerDay& d = days_[i];
        if (d.month >= 1 && d.month <= 12 && d.day >= 1 && d.day <= 31) {
            index_[std::size_t(d.month - 1)][std::size_t(d.day - 1)] = int(i);
        }
    }
    endResetModel();
}

const PlannerDay* PlannerModel::dayAt(int month, int day) const {
    if (month < 1 || month > 12 || day < 1 || day > 31) {
        return nullptr;
    }
    const int i = index_[std::size_t(month - 1)][std::size_t(day - 1)];
    return i < 0 ? nullptr : &days_[std::size_t(i)];
}

std::string PlannerModel::marks(int month, int day) const {
    const PlannerDay* d = dayAt(month, day);
    return d == nullptr ? std::string() : d->marks;
}

std::int32_t PlannerModel::periodId(int month, int day) const {
    const PlannerDay* d = dayAt(month, day);
    return d == nullptr ? -1 : d->periodId;
}

int PlannerModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 12;
}

int PlannerModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : 31;
}

QVariant PlannerModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    const int month = index.row() + 1;
    const int day = index.column() + 1;
    switch (role) {
    case Qt::DisplayRole:
        return fromStored(marks(month, day));
    case Qt::ToolTipRole: {
        if (dayAt(month, day) == nullptr || !isValidCivilDate(year_, month, day)) {
            return {};
        }
        const std::string tip =
            plannerDayTip(periods_, dayNumberFromCivil({year_, month, day}), locale_);
        return tip.empty() ? QVariant() : QVariant(fromStored(tip));
    }
    case Qt::TextAlignmentRole:
        return int(Qt::AlignHCenter | Qt::AlignTop);
    default:
        return {};
    }
}

QVariant PlannerModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) {
        return {};
    }
    if (orientation == Qt::Horizontal) {
        return QString::number(section + 1);
    }
    return section >= 0 && section < 12 ? QString::fromLatin1(kMonthNames[section]) : QVariant();
}
