#pragma once

#include <QPlainTextEdit>

#include <cstddef>
#include <string>

// A memo whose text goes into a record field of `width` bytes, line breaks stored as CR LF.
// Like an edit's maximum length: typing that does not fit is refused, a paste or a drop is cut
// to what fits, and the text already there is never cut, nor does the caret move.
class LimitedMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    LimitedMemo(std::size_t width, QWidget* parent = nullptr);

    // The text as the record stores it, and back.
    std::string storedText() const;
    void setStoredText(const std::string& stored);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;
    void inputMethodEvent(QInputMethodEvent* event) override;

private:
    // Bytes still free once the selection, which new input replaces, is gone.
    std::size_t room() const;
    void keepWithinWidth();

    std::size_t width_;
};
