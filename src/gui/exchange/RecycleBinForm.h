#pragma once

#include "exchange/RecycleBin.h"

#include <QDialog>

#include <functional>

class QListWidget;
class QPushButton;
struct Services;

// The recycle bin's entries in the order of deletion; the selected ones can be put back as new
// records at once, without an update. The copies stay in the bin.
class TRecycleBinForm : public QDialog {
    Q_OBJECT
public:
    // `restored` runs after records came back, so the window shows them.
    TRecycleBinForm(Services& services, std::function<void()> restored, QWidget* parent = nullptr);

    // Reads the bin; false when the user gave up on a bin that cannot be read.
    bool Load();
    void RestoreButtonClick();

    QListWidget* BinList = nullptr;
    QPushButton* RestoreButton = nullptr;
    QPushButton* CloseButton = nullptr;

private:
    Services& services_;
    std::function<void()> restored_;
    trevik::RecycleBin bin_;
};
