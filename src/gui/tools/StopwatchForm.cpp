#include "tools/StopwatchForm.h"

#include "platform/Services.h"
#include "tools/ToolFonts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {

QPushButton* button(const char* name, const char* caption, QWidget* parent) {
    auto* made = new QPushButton(QString::fromLatin1(caption), parent);
    made->setObjectName(QString::fromLatin1(name));
    made->setAutoDefault(false);
    return made;
}

} // namespace

TStopwatchForm::TStopwatchForm(Services& services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      services_(services) {
    setObjectName(QStringLiteral("StopwatchForm"));
    setWindowTitle(QStringLiteral("Stopwatch"));

    TimeLabel = new QLabel(QStringLiteral("00:00:00"), this);
    TimeLabel->setObjectName(QStringLiteral("TimeLabel"));
    TimeLabel->setFont(toolDisplayFont());
    TimeLabel->setAlignment(Qt::AlignCenter);
    Start = button("Start", "Start", this);
    Stop = button("Stop", "Stop", this);
    Reset = button("Reset", "Reset", this);
    auto* commentLabel = new QLabel(QStringLiteral("Comment"), this);
    Edit2 = new QLineEdit(this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setAccessibleName(QStringLiteral("Comment"));
    commentLabel->setBuddy(Edit2);
    CloseButton = button("CloseButton", "Close", this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(TimeLabel);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Start);
    buttons->addWidget(Stop);
    buttons->addWidget(Reset);
    layout->addLayout(buttons);
    auto* commentRow = new QHBoxLayout;
    commentRow->addWidget(commentLabel);
    commentRow->addWidget(Edit2, 1);
    layout->addLayout(commentRow);
    auto* closeRow = new QHBoxLayout;
    closeRow->addStretch(1);
    closeRow->addWidget(CloseButton);
    layout->addLayout(closeRow);
    setFixedSize(sizeHint());

    Stopwatch = new QTimer(this);
    Stopwatch->setObjectName(QStringLiteral("Stopwatch"));
    Stopwatch->setSingleShot(true); // set for each next second: see showStopwatch
    Stopwatch->setTimerType(Qt::PreciseTimer);

    connect(Start, &QPushButton::clicked, this, &TStopwatchForm::StartClick);
    connect(Stop, &QPushButton::clicked, this, &TStopwatchForm::StopClick);
    connect(Reset, &QPushButton::clicked, this, &TStopwatchForm::ResetClick);
    connect(CloseButton, &QPushButton::clicked, this, &TStopwatchForm::CloseButtonClick);
    connect(Stopwatch, &QTimer::timeout, this, &TStopwatchForm::StopwatchTimer);
}

void TStopwatchForm::Open() {
    show();
    raise();
    activateWindow();
}

void TStopwatchForm::StartClick() {
    stopwatch_.start(services_.monotonic.now());
    showStopwatch();
}

void TStopwatchForm::StopClick() {
    stopwatch_.stop();
    showStopwatch();
    emit statusPanelChanged(QString::fromStdString(stopwatch_.statusPanel()));
}

void TStopwatchForm::ResetClick() {
    stopwatch_.reset(services_.monotonic.now());
    showStopwatch();
}

void TStopwatchForm::CloseButtonClick() {
    hide();
}

void TStopwatchForm::StopwatchTimer() {
    stopwatch_.tick(services_.monotonic.now());
    showStopwatch();
    emit statusPanelChanged(QString::fromStdString(stopwatch_.statusPanel()));
}

QString TStopwatchForm::statusText() const {
    return QString::fromStdString(stopwatch_.statusText());
}

void TStopwatchForm::showStopwatch() {
    TimeLabel->setText(QString::fromStdString(stopwatch_.timeLabel()));
    if (stopwatch_.running()) {
        Stopwatch->start(int(stopwatch_.untilNextTick(services_.monotonic.now()).count()));
    } else {
        Stopwatch->stop();
    }
}
