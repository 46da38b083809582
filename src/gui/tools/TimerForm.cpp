#include "tools/TimerForm.h"

#include "platform/FileErrors.h"
#include "platform/PlainButton.h"
#include "platform/Services.h"
#include "platform/StoredText.h"
#include "settings/Settings.h"
#include "tools/DeskToolParts.h"

#include <QCheckBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

using namespace trevik;

namespace {

// Leaving the box for another control of the window; not the window losing the focus, nor a
// context menu opening.
bool leftForAnotherControl(QEvent* event) {
    if (event->type() != QEvent::FocusOut) {
        return false;
    }
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

} // namespace

TTimerForm::TTimerForm(Services& services, std::function<std::int32_t()> alarmRepeat,
                       QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      services_(services), alarmRepeat_(std::move(alarmRepeat)) {
    setObjectName(QStringLiteral("TimerForm"));
    setWindowTitle(QStringLiteral("Timer"));

    TimeLabel = toolTimeLabel(this);
    TimeEdit = new QLineEdit(QStringLiteral("00:00:00"), this);
    TimeEdit->setObjectName(QStringLiteral("TimeEdit"));
    TimeEdit->setAccessibleName(QStringLiteral("Time"));
    // Room for "hh:mm:ss" and a little more, not the box's default width.
    TimeEdit->setFixedWidth(
        TimeEdit->fontMetrics().horizontalAdvance(QStringLiteral("00:00:00")) * 3 / 2 + 12);
    Set = plainButton("Set", QStringLiteral("Set"), this);
    Start = plainButton("Start", QStringLiteral("Start"), this);
    Stop = plainButton("Stop", QStringLiteral("Stop"), this);
    RestartBox = new QCheckBox(QStringLiteral("Auto restart"), this);
    RestartBox->setObjectName(QStringLiteral("RestartBox"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(TimeLabel);
    auto* timeRow = new QHBoxLayout;
    timeRow->addWidget(TimeEdit);
    timeRow->addWidget(Set);
    timeRow->addWidget(Start);
    timeRow->addWidget(Stop);
    layout->addLayout(timeRow);
    layout->addWidget(RestartBox);
    const CommentAndClose bottom = addCommentAndClose(layout, this);
    Edit2 = bottom.comment;
    CloseButton = bottom.close;
    setFixedSize(sizeHint());

    TimerPlayer = services_.sounds.create();
    PIMTimer = secondTimer("PIMTimer", this); // see showCountdown

    connect(Set, &QPushButton::clicked, this, &TTimerForm::SetClick);
    connect(Start, &QPushButton::clicked, this, &TTimerForm::StartClick);
    connect(Stop, &QPushButton::clicked, this, &TTimerForm::StopClick);
    connect(CloseButton, &QPushButton::clicked, this, &TTimerForm::CloseButtonClick);
    connect(PIMTimer, &QTimer::timeout, this, &TTimerForm::PIMTimerTimer);
    connect(TimerPlayer.get(), &SoundPlayer::notified, this, &TTimerForm::TimerPlayerNotify);
    TimeEdit->installEventFilter(this);
    RestartBox->installEventFilter(this);
}

TTimerForm::~TTimerForm() = default;

void TTimerForm::Open() {
    TimeEdit->setText(QString::fromStdString(LoadTimerTime(services_.settings)));
    RestartBox->setChecked(LoadTimerAutoRepeat(services_.settings));
    bringToFront(this);
}

void TTimerForm::reportUnread(const TimerTextReading& reading) {
    switch (reading.outcome) {
    case TimerTextReading::Read:
        return;
    case TimerTextReading::WrongLength:
        services_.messages.show(this, QStringLiteral("Incorrect time format!"),
                                QStringLiteral("Error"), MessageButtons::Ok, MessageIcon::None);
        TimeEdit->setFocus();
        return;
    case TimerTextReading::NotANumber:
        services_.messages.show(
            this,
            QStringLiteral("'%1' is not a valid integer value").arg(fromStored(reading.badPart)),
            QStringLiteral("Error"), MessageButtons::Ok, MessageIcon::Critical);
        return;
    }
}

void TTimerForm::SetClick() {
    reportUnread(countdown_.set(toStored(TimeEdit->text()), services_.monotonic.now()));
    showCountdown();
}

void TTimerForm::StartClick() {
    reportUnread(countdown_.start(toStored(TimeEdit->text()), services_.monotonic.now()));
    showCountdown();
}

void TTimerForm::StopClick() {
    countdown_.stop();
    showCountdown();
    emit statusPanelChanged(QString::fromStdString(countdown_.statusPanel()));
}

void TTimerForm::PIMTimerTimer() {
    countdown_.tick(services_.monotonic.now(), [this] { RanOut(); });
    showCountdown();
    emit statusPanelChanged(QString::fromStdString(countdown_.statusPanel()));
}

void TTimerForm::RanOut() {
    PIMTimer->stop();
    bringToFront(this);
    const std::string sound = LoadAlarmSound(services_.settings);
    if (sound.empty()) {
        services_.messages.show(this, QStringLiteral("No sound selected!"),
                                QStringLiteral("Warning"), MessageButtons::Ok,
                                MessageIcon::Warning);
    } else {
        TimerPlayer->setFileName(QString::fromStdString(sound));
        TimerPlayer->open();
        TimerPlayer->notifyAtEnd();
        TimerPlayer->play();
    }
    if (RestartBox->isChecked()) {
        StartClick();
    }
}

void TTimerForm::TimerPlayerNotify() {
    if (!countdown_.playAgain(alarmRepeat_())) {
        TimerPlayer->close();
        return;
    }
    TimerPlayer->notifyAtEnd();
    TimerPlayer->play();
}

void TTimerForm::CloseButtonClick() {
    hide();
}

void TTimerForm::TimeEditExit() {
    std::string reason;
    if (!SaveTimerTime(services_.settings, TimeEdit->text().toStdString(), &reason)) {
        reportWriteError(services_.messages, this, reason);
    }
}

void TTimerForm::RestartBoxExit() {
    std::string reason;
    if (!SaveTimerAutoRepeat(services_.settings, RestartBox->isChecked(), &reason)) {
        reportWriteError(services_.messages, this, reason);
    }
}

QString TTimerForm::statusText() const {
    return QString::fromStdString(countdown_.statusText());
}

void TTimerForm::showCountdown() {
    TimeLabel->setText(QString::fromStdString(countdown_.timeLabel()));
    if (countdown_.counting()) {
        PIMTimer->start(int(countdown_.untilNextTick(services_.monotonic.now()).count()));
    } else {
        PIMTimer->stop();
    }
}

bool TTimerForm::eventFilter(QObject* watched, QEvent* event) {
    if (leftForAnotherControl(event)) {
        if (watched == TimeEdit) {
            TimeEditExit();
        } else if (watched == RestartBox) {
            RestartBoxExit();
        }
    }
    return QWidget::eventFilter(watched, event);
}
