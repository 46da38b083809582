#pragma once

#include <QDialog>

#include <cstdint>

class AddressPane;
class MessageBoxes;
class QCheckBox;
class QLineEdit;
class QPushButton;

// The search dialog: finds the next listed contact, in the list's order, with a text in one of
// its visible columns. Made once with the main window and only hidden when closed, so its text
// and its place in the list stay for the next search.
class TSearchForm final : public QDialog {
    Q_OBJECT
public:
    TSearchForm(AddressPane& addresses, MessageBoxes& messages, QWidget* parent);

    void FindEditChange();
    // "Find again": searches from the item after the one found last.
    void FindClick();
    void CancelClick();
    // Shows the dialog without waiting for it, centred on the screen the first time.
    void Open();

    QLineEdit* FindEdit = nullptr;
    QPushButton* Find = nullptr;
    QPushButton* Cancel = nullptr;
    QCheckBox* MatchCase = nullptr;

    // The one-based number of the item found last; 0 searches from the top.
    std::int32_t resumeIndex = 0;

protected:
    void reject() override;

private:
    AddressPane& addresses_;
    MessageBoxes& messages_;
    bool placed_ = false;
};
