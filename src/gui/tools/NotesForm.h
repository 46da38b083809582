#pragma once

#include <QDialog>

#include <filesystem>

class Clipboard;
class MessageBoxes;
class QMenu;
class QAction;
class QPlainTextEdit;
class QPushButton;

// The notes pad: one free text, made for each opening and shown modally.
class TNotesForm : public QDialog {
    Q_OBJECT
public:
    explicit TNotesForm(Clipboard& clipboard, QWidget* parent = nullptr);

    // A paste brings at most this many characters of the clipboard's text.
    static constexpr int kPasteLimit = 10239;

    void CancelClick();
    void CutNotesClick();
    void CopyNotesClick();
    void PasteNotesClick();
    void ClearAllNotesClick();

    QPlainTextEdit* NotesEdit = nullptr;
    QPushButton* Cancel = nullptr;
    QMenu* NotesContext = nullptr;
    QAction* CutNotes = nullptr;
    QAction* CopyNotes = nullptr;
    QAction* PasteNotes = nullptr;
    QAction* ClearAllNotes = nullptr;

protected:
    // Escape is the "Close" button, which keeps the note; only the window frame discards it.
    void keyPressEvent(QKeyEvent* event) override;

private:
    Clipboard& clipboard_;
};

// View > Notes, the toolbar's and the tray's Notes: the note from the data directory into the
// pad, and back into its file when the pad is closed with "Close" or Escape. A note that cannot
// be read is reported and the pad does not open; a save that fails is reported with Retry.
void runNotesPad(MessageBoxes& messages, Clipboard& clipboard, const std::filesystem::path& dataDir,
                 QWidget* owner);
