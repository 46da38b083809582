#include "exchange/RecycleBinForm.h"

#include "calendar/CalendarTexts.h"
#include "exchange/BinRestore.h"
#include "platform/FileErrors.h"
#include "platform/Services.h"
#include "platform/StoredText.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

using namespace trevik;

TRecycleBinForm::TRecycleBinForm(Services& services, std::function<void()> restored,
                                 QWidget* parent)
    : QDialog(parent), services_(services), restored_(std::move(restored)) {
    setObjectName(QStringLiteral("RecycleBinForm"));
    setWindowTitle(QStringLiteral("Recycle bin"));
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(QStringLiteral("&Deleted contacts and entries:"), this);
    BinList = new QListWidget(this);
    BinList->setObjectName(QStringLiteral("BinList"));
    BinList->setAccessibleName(QStringLiteral("Recycle bin"));
    BinList->setSelectionMode(QAbstractItemView::ExtendedSelection);
    BinList->setMinimumSize(420, 260);
    label->setBuddy(BinList);
    layout->addWidget(label);
    layout->addWidget(BinList);
    auto* buttons = new QHBoxLayout;
    RestoreButton = new QPushButton(QStringLiteral("&Restore"), this);
    RestoreButton->setObjectName(QStringLiteral("RestoreButton"));
    CloseButton = new QPushButton(QStringLiteral("Close"), this);
    CloseButton->setObjectName(QStringLiteral("CloseButton"));
    buttons->addStretch();
    buttons->addWidget(RestoreButton);
    buttons->addWidget(CloseButton);
    layout->addLayout(buttons);
    connect(RestoreButton, &QPushButton::clicked, this, &TRecycleBinForm::RestoreButtonClick);
    connect(CloseButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(BinList, &QListWidget::itemDoubleClicked, this, &TRecycleBinForm::RestoreButtonClick);
}

bool TRecycleBinForm::Load() {
    if (!readWithRetry(services_.messages, this,
                       [&] { bin_ = readRecycleBin(services_.dataDir); })) {
        return false;
    }
    BinList->clear();
    for (const BinEntry& entry : bin_.entries) {
        QString text;
        if (entry.isContact()) {
            text = QStringLiteral("Contact: ") + fromStored(entry.contact.name);
            if (!entry.contact.email.empty()) {
                text += QStringLiteral(", ") + fromStored(entry.contact.email);
            }
        } else {
            text = QStringLiteral("Entry: ") + fromStored(entry.entry.comment);
            const std::string date = ShortDateText(entry.entry.dateFrom, services_.locale);
            if (!date.empty()) {
                text += QStringLiteral(", ") + fromStored(date);
            }
        }
        BinList->addItem(text.simplified()); // a line break from anywhere stays on its row
    }
    RestoreButton->setEnabled(!bin_.entries.empty());
    return true;
}

void TRecycleBinForm::RestoreButtonClick() {
    int restored = 0;
    int already = 0;
    QString errors;
    for (int row = 0; row < BinList->count(); ++row) {
        if (!BinList->item(row)->isSelected() || std::size_t(row) >= bin_.entries.size()) {
            continue;
        }
        const RestoreResult result =
            restoreFromBin(services_.dataDir, bin_.entries[std::size_t(row)]);
        if (!result.record.error.empty()) {
            errors += QStringLiteral("\n") + QString::fromStdString(result.record.error);
            break;
        }
        ++(result.alreadyHere ? already : restored);
    }
    if (restored > 0 && restored_) {
        restored_();
    }
    if (!errors.isEmpty()) {
        reportWriteError(
            services_.messages, this,
            (QStringLiteral("Not every record could be restored:") + errors).toStdString());
    } else if (already > 0) {
        services_.messages.show(
            this,
            QStringLiteral("%1 of the chosen records are in the diary already and were not "
                           "restored again.")
                .arg(already),
            QStringLiteral("Recycle bin"), MessageButtons::Ok, MessageIcon::Information);
    }
}
