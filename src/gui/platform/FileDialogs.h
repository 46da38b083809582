#pragma once

#include <QString>

#include <optional>

class QWidget;

// What a caller asks of the open-file dialog.
struct OpenFileRequest {
    QString caption;
    // Qt's filter text, for example "Wav files (*.wav *.WAV)"; empty for all files.
    QString filter;
    QString initialDirectory;
    bool fileMustExist = true;
    // For a file about to be written: a name that does not exist yet is confirmed first.
    bool confirmCreate = false;
};

// The open-file dialog. It never changes the process's current directory, where the data
// files are opened.
class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // The chosen full path, or nothing on cancel.
    virtual std::optional<QString> openFile(QWidget* parent, const OpenFileRequest& request) = 0;
};

class QtFileDialogs final : public FileDialogs {
public:
    std::optional<QString> openFile(QWidget* parent, const OpenFileRequest& request) override;
};
