#pragma once

#include "exchange/Prompter.h"

#include <QDialog>

#include <array>

class QLabel;
class QPushButton;
class QWidget;

// The question of applying an update: the local record (Item 1) beside the incoming one
// (Item 2), or, for a new record, the incoming one alone.
class TReplaceForm : public QDialog {
    Q_OBJECT
public:
    enum class Answer { None, Yes, No, YesToAll, NoToAll };

    explicit TReplaceForm(QWidget* parent = nullptr);

    // Fills the panels; texts are as stored (Windows-1252).
    void Show(const trevik::Prompt& prompt);

    Answer answer = Answer::None;

    QLabel* Item1Label = nullptr;
    QLabel* Item2Label = nullptr;
    QWidget* LeftPanel = nullptr;
    QWidget* RightPanel = nullptr;
    std::array<QLabel*, 6> LeftLines{};  // Label11 .. Label16
    std::array<QLabel*, 6> RightLines{}; // Label21 .. Label26
    QPushButton* YesButton = nullptr;
    QPushButton* NoButton = nullptr;
    QPushButton* YesToAllButton = nullptr;
    QPushButton* NoToAllButton = nullptr;
    QPushButton* CancelButton = nullptr;

private:
    void answerWith(Answer given);
};

// Asks through TReplaceForm, modal over `parent`.
class ReplaceFormPrompter final : public trevik::Prompter {
public:
    explicit ReplaceFormPrompter(QWidget* parent) : parent_(parent) {}
    trevik::PromptAnswer ask(const trevik::Prompt& prompt) override;

private:
    QWidget* parent_;
};
