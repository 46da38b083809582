#pragma once

#include "tools/Stopwatch.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
struct Services;

// The stopwatch window: made hidden at start, shown on demand, counting on while hidden. Its
// rules are the core's Stopwatch.
class TStopwatchForm : public QWidget {
    Q_OBJECT
public:
    explicit TStopwatchForm(Services& services, QWidget* parent = nullptr);

    // The main window's and the tray's Stopwatch command: shown and brought to the front; the
    // count is not touched.
    void Open();

    void StartClick();
    void StopClick();
    void ResetClick();
    void CloseButtonClick();
    void StopwatchTimer();

    // "Stopwatch [hh:mm:ss]" while running, for the tray menu; empty when stopped.
    QString statusText() const;
    const trevik::Stopwatch& stopwatch() const { return stopwatch_; }

    QLabel* TimeLabel = nullptr;
    QPushButton* Start = nullptr;
    QPushButton* Stop = nullptr;
    QPushButton* Reset = nullptr;
    QLineEdit* Edit2 = nullptr;
    QPushButton* CloseButton = nullptr;
    // The ticker.
    QTimer* Stopwatch = nullptr;

signals:
    // The text for the main window's stopwatch panel changed.
    void statusPanelChanged(const QString& text);

private:
    void showStopwatch();

    Services& services_;
    trevik::Stopwatch stopwatch_;
};
