// The alarms as the main window runs them: the check at the start of every minute, the notice,
// the sound and the desktop notification.
#include "alarms/AlarmForm.h"
#include "app/MainForm.h"
#include "calendar/Alarms.h"
#include "platform/Services.h"
#include "platform/StoredText.h"
#include "settings/Settings.h"
#include "storage/FileError.h"

#include <QTimer>

using namespace trevik;

namespace {

// The check runs this long after a minute has begun, so that the clock reads the new minute
// even when the timer fires a little early.
constexpr int kPastTheMinuteMs = 50;

const QString kAlarmCaption = QStringLiteral("Alarm");

} // namespace

void TMainForm::createAlarms() {
    // A window of its own: it stays on screen while the main window is in the tray.
    AlarmForm = new TAlarmForm();
    MainPlayer = services_.sounds.create();
    connect(MainPlayer.get(), &SoundPlayer::notified, this, &TMainForm::MainPlayerNotify);
    MainAlarmTimer = new QTimer(this);
    MainAlarmTimer->setObjectName(QStringLiteral("MainAlarmTimer"));
    MainAlarmTimer->setSingleShot(true);
    MainAlarmTimer->setTimerType(Qt::PreciseTimer);
    connect(MainAlarmTimer, &QTimer::timeout, this, &TMainForm::MainAlarmTimerTimer);
    // The first check, of the minute of the start, runs as soon as the message loop does.
    MainAlarmTimer->start(0);
}

void TMainForm::destroyAlarms() {
    MainAlarmTimer->stop();
    delete AlarmForm;
    AlarmForm = nullptr;
    MainPlayer.reset();
}

void TMainForm::armAlarmTimer() {
    MainAlarmTimer->start(millisecondsToNextMinute(services_.clock.now()) + kPastTheMinuteMs);
}

bool TMainForm::CheckAlarms() {
    ViewContext context;
    context.viewCode = view_.calendarViewCode;
    context.today = today(services_.clock);
    context.datePeriodMode = view_.display.datePeriodMode;
    context.weekStartsMonday = view_.display.weekStartsMonday;
    const DateTime now = services_.clock.now();
    std::vector<DueAlarm> due;
    try {
        due = checkAlarmsAt(alarmSchedule_, {}, now, context);
        alarmReadProblemShown_ = false;
    } catch (const FileError& error) {
        // The minutes stay unchecked and are caught up once the file reads again.
        if (!alarmReadProblemShown_) {
            alarmReadProblemShown_ = true;
            services_.messages.show(
                this,
                QStringLiteral("Cannot read %1:\n%2\n\nAlarms cannot ring until it can be read; "
                               "the missed ones will be shown then.")
                    .arg(QString::fromStdString(error.path().string()),
                         QString::fromStdString(error.reason())),
                QStringLiteral("File error"), MessageButtons::Ok, MessageIcon::Warning);
        }
        return false;
    }
    if (due.empty()) {
        return false;
    }
    const AlarmMinute checkedAt = alarmMinuteOf(now).value_or(due.back().minute);
    for (const DueAlarm& alarm : due) {
        const QString line = fromStored(alarmNoticeLine(alarm, checkedAt, services_.locale));
        AlarmForm->AddAlarm(line);
        services_.tray.showMessage(kAlarmCaption, line);
    }
    return true;
}

void TMainForm::MainAlarmTimerTimer() {
    // Armed first: a message below runs a modal loop, in which the next minute's check must run.
    armAlarmTimer();
    if (!CheckAlarms()) {
        return;
    }
    const std::string sound = LoadAlarmSound(services_.settings);
    if (sound.empty()) {
        services_.messages.show(AlarmForm, QStringLiteral("No sound selected!"),
                                QStringLiteral("Warning"), MessageButtons::Ok,
                                MessageIcon::Warning);
        return;
    }
    MainPlayer->setFileName(QString::fromStdString(sound));
    MainPlayer->open();
    MainPlayer->notifyAtEnd();
    MainPlayer->play();
}

void TMainForm::MainPlayerNotify() {
    MainPlayer->close();
}
