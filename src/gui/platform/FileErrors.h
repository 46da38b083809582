#pragma once

#include "platform/MessageBoxes.h"
#include "platform/StoredText.h"
#include "storage/FileError.h"

#include <QString>

// Runs `read` until it succeeds or the user gives up: a file that cannot be read is shown with
// its reason and "Retry" / "Cancel", never taken for an empty one. False when the user cancelled;
// the caller then keeps what it showed before.
template <typename Read> bool readWithRetry(MessageBoxes& messages, QWidget* parent, Read read) {
    for (;;) {
        try {
            read();
            return true;
        } catch (const trevik::FileError& error) {
            const QString text = QStringLiteral("Cannot read %1:\n%2")
                                     .arg(QString::fromStdString(error.path().string()),
                                          QString::fromStdString(error.reason()));
            if (messages.show(parent, text, QStringLiteral("File error"),
                              MessageButtons::RetryCancel,
                              MessageIcon::Warning) != MessageResult::Retry) {
                return false;
            }
        }
    }
}

// Shows why a change could not be stored; nothing when `error` is empty.
inline void reportWriteError(MessageBoxes& messages, QWidget* parent, const std::string& error) {
    if (!error.empty()) {
        messages.show(parent, QString::fromStdString(error), QStringLiteral("IO Error"),
                      MessageButtons::Ok, MessageIcon::Critical);
    }
}
