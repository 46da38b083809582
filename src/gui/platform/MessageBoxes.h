#pragma once

#include <QString>

class QWidget;

enum class MessageButtons { Ok, OkCancel, YesNoCancel, RetryCancel };
enum class MessageIcon { None, Information, Warning, Question, Critical };
enum class MessageResult { Ok, Cancel, Yes, No, Retry };

// Every message box of the program goes through here, so tests can see what was asked
// and answer it.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    virtual MessageResult show(QWidget* parent, const QString& text, const QString& caption,
                               MessageButtons buttons, MessageIcon icon) = 0;
};

class QtMessageBoxes final : public MessageBoxes {
public:
    MessageResult show(QWidget* parent, const QString& text, const QString& caption,
                       MessageButtons buttons, MessageIcon icon) override;
};
