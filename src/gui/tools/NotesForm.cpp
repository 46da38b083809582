#include "tools/NotesForm.h"

#include "platform/Clipboard.h"
#include "platform/FileErrors.h"
#include "platform/MessageBoxes.h"
#include "platform/StoredText.h"
#include "tools/NotesFile.h"
#include "tools/NotesText.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>

using namespace trevik;

namespace {

QAction* menuCommand(QMenu* menu, const char* name, const char* caption) {
    QAction* action = menu->addAction(QString::fromLatin1(caption));
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

// The first `count` characters of `text`; a character outside the basic plane is not split.
QString firstCharacters(const QString& text, int count) {
    int end = 0;
    for (int taken = 0; end < text.size() && taken < count; ++taken) {
        end += text.at(end).isHighSurrogate() && end + 1 < text.size() ? 2 : 1;
    }
    return text.left(end);
}

} // namespace

TNotesForm::TNotesForm(Clipboard& clipboard, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      clipboard_(clipboard) {
    setObjectName(QStringLiteral("NotesForm"));
    setWindowTitle(QStringLiteral("Notes"));
    setFixedSize(544, 240);

    NotesEdit = new QPlainTextEdit(this);
    NotesEdit->setObjectName(QStringLiteral("NotesEdit"));
    NotesEdit->setAccessibleName(QStringLiteral("Notes"));
    NotesEdit->setGeometry(6, 8, 531, 161);
    Cancel = new QPushButton(QStringLiteral("Close"), this);
    Cancel->setObjectName(QStringLiteral("Cancel"));
    Cancel->setAutoDefault(false);
    Cancel->setGeometry(445, 190, 92, 31);

    NotesContext = new QMenu(this);
    NotesContext->setObjectName(QStringLiteral("NotesContext"));
    CutNotes = menuCommand(NotesContext, "CutNotes", "C&ut");
    CopyNotes = menuCommand(NotesContext, "CopyNotes", "&Copy");
    PasteNotes = menuCommand(NotesContext, "PasteNotes", "&Paste");
    ClearAllNotes = menuCommand(NotesContext, "ClearAllNotes", "C&lear All");
    NotesEdit->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(NotesEdit, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { NotesContext->popup(NotesEdit->mapToGlobal(at)); });

    connect(Cancel, &QPushButton::clicked, this, &TNotesForm::CancelClick);
    connect(CutNotes, &QAction::triggered, this, &TNotesForm::CutNotesClick);
    connect(CopyNotes, &QAction::triggered, this, &TNotesForm::CopyNotesClick);
    connect(PasteNotes, &QAction::triggered, this, &TNotesForm::PasteNotesClick);
    connect(ClearAllNotes, &QAction::triggered, this, &TNotesForm::ClearAllNotesClick);
    NotesEdit->setFocus();
}

void TNotesForm::CancelClick() {
    accept();
}

void TNotesForm::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        CancelClick();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TNotesForm::CopyNotesClick() {
    // The edit keeps paragraph breaks as U+2029; the clipboard gets plain line breaks.
    QString selected = NotesEdit->textCursor().selectedText();
    selected.replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
    selected.replace(QChar::LineSeparator, QLatin1Char('\n'));
    clipboard_.put({selected, {}});
}

void TNotesForm::CutNotesClick() {
    CopyNotesClick();
    QTextCursor cursor = NotesEdit->textCursor();
    cursor.removeSelectedText();
    NotesEdit->setTextCursor(cursor);
}

void TNotesForm::PasteNotesClick() {
    NotesEdit->insertPlainText(firstCharacters(clipboard_.text(), kPasteLimit));
}

void TNotesForm::ClearAllNotesClick() {
    // Through the cursor, so that Undo brings the text back.
    QTextCursor cursor = NotesEdit->textCursor();
    cursor.select(QTextCursor::Document);
    cursor.removeSelectedText();
    NotesEdit->setTextCursor(cursor);
}

void runNotesPad(MessageBoxes& messages, Clipboard& clipboard, const std::filesystem::path& dataDir,
                 QWidget* owner) {
    std::string note;
    if (!readWithRetry(messages, owner, [&] { note = LoadNotes(dataDir); })) {
        return;
    }
    TNotesForm pad(clipboard, owner);
    pad.NotesEdit->setPlainText(fromStored(editTextFromNote(note)));
    if (pad.exec() != QDialog::Accepted) {
        return;
    }
    const std::string edited = noteFromEditText(toStored(pad.NotesEdit->toPlainText()));
    for (;;) {
        const std::string error = SaveNotes(dataDir, edited);
        if (error.empty()) {
            return;
        }
        if (messages.show(owner,
                          QStringLiteral("The note could not be stored:\n%1")
                              .arg(QString::fromStdString(error)),
                          QStringLiteral("IO Error"), MessageButtons::RetryCancel,
                          MessageIcon::Critical) != MessageResult::Retry) {
            return;
        }
    }
}
