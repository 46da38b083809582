#pragma once

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>

// Runs `body` on the modal dialog of type T as soon as it shows. Should another dialog show
// instead, or the body fail or leave the dialog open, the dialog is rejected, so that a test
// never waits on it for good.
template <typename T, typename Body> void whenModal(Body body) {
    QTimer::singleShot(0, [body] {
        QWidget* modal = QApplication::activeModalWidget();
        auto* dialog = qobject_cast<T*>(modal);
        if (dialog == nullptr) {
            if (auto* other = qobject_cast<QDialog*>(modal)) {
                other->reject();
            }
            QFAIL("the expected modal dialog did not show");
        }
        body(dialog);
        if (dialog->isVisible()) {
            static_cast<QDialog*>(dialog)->reject();
        }
    });
}
