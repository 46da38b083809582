#include "exchange/ReplaceForm.h"

#include "exchange/PromptLines.h"
#include "platform/StoredText.h"

#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QWidget* linesPanel(QWidget* parent, const QString& name, std::array<QLabel*, 6>& lines,
                    int first) {
    auto* panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel->setMinimumWidth(260);
    auto* layout = new QVBoxLayout(panel);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        lines[i] = new QLabel(panel);
        lines[i]->setObjectName(QStringLiteral("Label%1").arg(first + int(i)));
        // A text from another machine is shown as it is, never as markup.
        lines[i]->setTextFormat(Qt::PlainText);
        lines[i]->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
        layout->addWidget(lines[i]);
    }
    layout->addStretch();
    return panel;
}

void fill(std::array<QLabel*, 6>& labels, const std::vector<std::string>& lines) {
    for (std::size_t i = 0; i < labels.size(); ++i) {
        labels[i]->setVisible(i < lines.size());
        labels[i]->setText(i < lines.size() ? fromStored(lines[i]) : QString());
    }
}

} // namespace

TReplaceForm::TReplaceForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("ReplaceForm"));
    setWindowTitle(QString::fromLatin1(trevik::kReplaceCaption));
    auto* grid = new QGridLayout(this);
    Item1Label = new QLabel(QStringLiteral("Item 1"), this);
    Item2Label = new QLabel(QStringLiteral("Item 2"), this);
    LeftPanel = linesPanel(this, QStringLiteral("LeftPanel"), LeftLines, 11);
    RightPanel = linesPanel(this, QStringLiteral("RightPanel"), RightLines, 21);
    LeftPanel->setAccessibleName(QStringLiteral("Item 1"));
    RightPanel->setAccessibleName(QStringLiteral("Item 2"));
    grid->addWidget(Item1Label, 0, 0);
    grid->addWidget(Item2Label, 0, 1);
    grid->addWidget(LeftPanel, 1, 0);
    grid->addWidget(RightPanel, 1, 1);
    auto* buttons = new QHBoxLayout;
    const auto button = [&](const char* name, const char* caption) {
        auto* b = new QPushButton(QString::fromLatin1(caption), this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        buttons->addWidget(b);
        return b;
    };
    YesButton = button("YesButton", "&Yes");
    NoButton = button("NoButton", "&No");
    YesToAllButton = button("YesToAllButton", "Y&es to All");
    NoToAllButton = button("NoToAllButton", "N&o to All");
    CancelButton = button("CancelButton", "&Cancel");
    YesButton->setDefault(true);
    grid->addLayout(buttons, 2, 0, 1, 2);
    connect(YesButton, &QPushButton::clicked, this, [this] { answerWith(Answer::Yes); });
    connect(NoButton, &QPushButton::clicked, this, [this] { answerWith(Answer::No); });
    connect(YesToAllButton, &QPushButton::clicked, this, [this] { answerWith(Answer::YesToAll); });
    connect(NoToAllButton, &QPushButton::clicked, this, [this] { answerWith(Answer::NoToAll); });
    // Escape and the close box reject the dialog as Cancel does.
    connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

void TReplaceForm::answerWith(Answer given) {
    answer = given;
    accept();
}

void TReplaceForm::Show(const trevik::Prompt& prompt) {
    setWindowTitle(QString::fromStdString(prompt.caption));
    fill(LeftLines, prompt.item1);
    fill(RightLines, prompt.item2);
    const bool two = !prompt.item2.empty();
    Item2Label->setVisible(two);
    RightPanel->setVisible(two);
    adjustSize();
}

trevik::PromptAnswer ReplaceFormPrompter::ask(const trevik::Prompt& prompt) {
    TReplaceForm form(parent_);
    form.Show(prompt);
    if (form.exec() != QDialog::Accepted) {
        return trevik::PromptAnswer::Cancel;
    }
    switch (form.answer) {
    case TReplaceForm::Answer::Yes:
        return trevik::PromptAnswer::Yes;
    case TReplaceForm::Answer::No:
        return trevik::PromptAnswer::No;
    case TReplaceForm::Answer::YesToAll:
        return trevik::PromptAnswer::YesToAll;
    case TReplaceForm::Answer::NoToAll:
        return trevik::PromptAnswer::NoToAll;
    case TReplaceForm::Answer::None:
        break;
    }
    return trevik::PromptAnswer::Cancel;
}
