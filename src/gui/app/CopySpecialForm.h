#pragma once

#include "clipboard/CopySpecial.h"

#include <QDialog>

#include <array>

class QAbstractButton;
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QPushButton;

// The copy special dialog: which columns of the selected contacts to copy, and what goes
// between columns and between rows. Made for one use; nothing of it is kept.
class TCopySpecialForm final : public QDialog {
    Q_OBJECT
public:
    explicit TCopySpecialForm(QWidget* owner);

    void CopyClick();
    void CancelClick();
    // The ticked boxes and the chosen separator items.
    trevik::CopySpecialChoice choice() const;

    QLabel* Label1 = nullptr;
    QCheckBox* NameBox = nullptr;
    QCheckBox* HomeBox = nullptr;
    QCheckBox* WorkBox = nullptr;
    QCheckBox* FaxBox = nullptr;
    QCheckBox* MobileBox = nullptr;
    QCheckBox* EmailBox = nullptr;
    QCheckBox* WWWBox = nullptr;
    QCheckBox* AddrBox = nullptr;
    QCheckBox* MiscBox = nullptr;
    QGroupBox* ColumnSeparator = nullptr;
    QGroupBox* RowSeparator = nullptr;
    QPushButton* Copy = nullptr;
    QPushButton* Cancel = nullptr;

    // The boxes in the address list's column order.
    std::array<QCheckBox*, 9> columnBoxes() const;
    // The radio button of an item of a group.
    QAbstractButton* columnItem(int item) const;
    QAbstractButton* rowItem(int item) const;

private:
    QButtonGroup* columnItems_ = nullptr;
    QButtonGroup* rowItems_ = nullptr;
};
