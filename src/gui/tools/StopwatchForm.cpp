#include "tools/StopwatchForm.h"

#include "platform/PlainButton.h"
#include "platform/Services.h"
#include "tools/DeskToolParts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

TStopwatchForm::TStopwatchForm(Services& services, QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      services_(services) {
    setObjectName(QStringLiteral("StopwatchForm"));
    setWindowTitle(QStringLiteral("Stopwatch"));

    TimeLabel = toolTimeLabel(this);
    Start = plainButton("Start", QStringLiteral("Start"), this);
    Stop = plainButton("Stop", QStringLiteral("Stop"), this);
    Reset = plainButton("Reset", QStringLiteral("Reset"), this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(TimeLabel);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Start);
    buttons->addWidget(Stop);
    buttons->addWidget(Reset);
    layout->addLayout(buttons);
    const CommentAndClose bottom = addCommentAndClose(layout, this);
    Edit2 = bottom.comment;
    CloseButton = bottom.close;
    setFixedSize(sizeHint());

    Stopwatch = secondTimer("Stopwatch", this); // see showStopwatch

    connect(Start, &QPushButton::clicked, this, &TStopwatchForm::StartClick);
    connect(Stop, &QPushButton::clicked, this, &TStopwatchForm::StopClick);
    connect(Reset, &QPushButton::clicked, this, &TStopwatchForm::ResetClick);
    connect(CloseButton, &QPushButton::clicked, this, &TStopwatchForm::CloseButtonClick);
    connect(Stopwatch, &QTimer::timeout, this, &TStopwatchForm::StopwatchTimer);
}

void TStopwatchForm::Open() {
    bringToFront(this);
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
