#include "platform/FileDialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

std::optional<QString> QtFileDialogs::openFile(QWidget* parent, const OpenFileRequest& request) {
    QFileDialog dialog(parent, request.caption, request.initialDirectory, request.filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(request.fileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::ReadOnly, false);
    for (;;) {
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
            return std::nullopt;
        }
        const QString path = dialog.selectedFiles().front();
        if (!request.confirmCreate || QFileInfo::exists(path)) {
            return path;
        }
        const auto answer = QMessageBox::question(
            parent, request.caption,
            QStringLiteral("%1\nThis file does not exist.\nCreate the file?").arg(path));
        if (answer == QMessageBox::Yes) {
            return path;
        }
    }
}
