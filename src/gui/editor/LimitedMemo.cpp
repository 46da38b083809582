#include "editor/LimitedMemo.h"

#include "platform/StoredText.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMimeData>
#include <QTextCursor>

namespace {

bool isLineBreak(QChar c) {
    return c == QLatin1Char('\n') || c == QChar::ParagraphSeparator || c == QChar::LineSeparator;
}

// The bytes `text` takes in the record: a line break two (CR LF), any other character one.
std::size_t storedSize(const QString& text) {
    std::size_t size = 0;
    for (const char32_t c : text.toUcs4()) {
        size += c < 0x10000 && isLineBreak(QChar(char16_t(c))) ? 2 : 1;
    }
    return size;
}

// The longest beginning of `text` that takes at most `room` bytes.
QString fitting(const QString& text, std::size_t room) {
    qsizetype end = 0;
    while (end < text.size()) {
        const bool pair = text.at(end).isHighSurrogate() && end + 1 < text.size();
        const std::size_t size = isLineBreak(text.at(end)) ? 2 : 1;
        if (size > room) {
            break;
        }
        room -= size;
        end += pair ? 2 : 1;
    }
    return text.left(end);
}

// Typed and pasted line breaks of any convention, as the memo keeps them.
QString withPlainBreaks(QString text) {
    return text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

} // namespace

LimitedMemo::LimitedMemo(std::size_t width, QWidget* parent)
    : QPlainTextEdit(parent), width_(width) {
    connect(this, &QPlainTextEdit::textChanged, this, &LimitedMemo::keepWithinWidth);
}

std::string LimitedMemo::storedText() const {
    return toStored(toPlainText().replace(QLatin1Char('\n'), QStringLiteral("\r\n")));
}

void LimitedMemo::setStoredText(const std::string& stored) {
    setPlainText(fromStored(stored).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

std::size_t LimitedMemo::room() const {
    const std::size_t used = storedSize(toPlainText()) - storedSize(textCursor().selectedText());
    return used >= width_ ? 0 : width_ - used;
}

void LimitedMemo::keyPressEvent(QKeyEvent* event) {
    QString typed;
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        typed = QStringLiteral("\n");
    } else if (!event->text().isEmpty() && event->text().at(0).isPrint()) {
        typed = event->text();
    }
    if (!typed.isEmpty() && storedSize(typed) > room()) {
        event->accept();
        QApplication::beep();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void LimitedMemo::insertFromMimeData(const QMimeData* source) {
    if (source == nullptr || !source->hasText()) {
        return;
    }
    const QString text = withPlainBreaks(source->text());
    const QString fits = fitting(text, room());
    if (fits.size() < text.size()) {
        QApplication::beep();
    }
    if (!fits.isEmpty()) {
        textCursor().insertText(fits);
        ensureCursorVisible();
    }
}

void LimitedMemo::inputMethodEvent(QInputMethodEvent* event) {
    const QString commit = withPlainBreaks(event->commitString());
    const QString fits = fitting(commit, room());
    if (fits.size() == commit.size()) {
        QPlainTextEdit::inputMethodEvent(event);
        return;
    }
    QApplication::beep();
    QInputMethodEvent cut(event->preeditString(), event->attributes());
    cut.setCommitString(fits, event->replacementStart(), event->replacementLength());
    QPlainTextEdit::inputMethodEvent(&cut);
}

// Text set by the program (a find text, say) that is longer than the field keeps its beginning.
void LimitedMemo::keepWithinWidth() {
    const QString text = toPlainText();
    if (storedSize(text) <= width_) {
        return;
    }
    setPlainText(fitting(text, width_));
    moveCursor(QTextCursor::End);
}
