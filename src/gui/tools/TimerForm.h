#pragma once

#include "tools/Countdown.h"

#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class SoundPlayer;
struct Services;

// The countdown timer window: made hidden at start, shown on demand, counting on while hidden.
// Its rules are the core's Countdown; the window reads the boxes into it and shows its state.
class TTimerForm : public QWidget {
    Q_OBJECT
public:
    // `alarmRepeat` gives the alarm repeat count as the main window holds it now.
    TTimerForm(Services& services, std::function<std::int32_t()> alarmRepeat,
               QWidget* parent = nullptr);
    ~TTimerForm() override;

    // The main window's and the tray's Timer command: the boxes from the settings, then shown
    // and brought to the front. A running countdown is not touched.
    void Open();

    void SetClick();
    void StartClick();
    void StopClick();
    void PIMTimerTimer();
    void TimerPlayerNotify();
    void CloseButtonClick();
    void TimeEditExit();
    void RestartBoxExit();

    // "Timer [hh:mm:ss]" while counting, for the tray menu; empty when stopped.
    QString statusText() const;
    const trevik::Countdown& countdown() const { return countdown_; }

    QLabel* TimeLabel = nullptr;
    QLineEdit* TimeEdit = nullptr;
    QPushButton* Start = nullptr;
    QPushButton* Stop = nullptr;
    QPushButton* Set = nullptr;
    QCheckBox* RestartBox = nullptr;
    QLineEdit* Edit2 = nullptr;
    QPushButton* CloseButton = nullptr;
    std::unique_ptr<SoundPlayer> TimerPlayer;
    QTimer* PIMTimer = nullptr;

signals:
    // The text for the main window's timer panel changed.
    void statusPanelChanged(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Tells the user why the duration could not be read; nothing when it was read.
    void reportUnread(const trevik::TimerTextReading& reading);
    void RanOut();
    // After every change: the display, and the ticker set for the next second or off.
    void showCountdown();

    Services& services_;
    std::function<std::int32_t()> alarmRepeat_;
    trevik::Countdown countdown_;
};
