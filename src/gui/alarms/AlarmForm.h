#pragma once

#include <QWidget>

class QPlainTextEdit;
class QPushButton;

// The alarm notice: a small window above all others, made hidden at start and kept for the
// whole run. Its lines accumulate until the user presses "Close".
class TAlarmForm : public QWidget {
    Q_OBJECT
public:
    explicit TAlarmForm(QWidget* parent = nullptr);

    // Adds `line` at the end of the notice and shows it on top.
    void AddAlarm(const QString& line);
    // Empties the notice and hides it.
    void CloseClick();
    QStringList lines() const;

    QPlainTextEdit* Memo1;
    QPushButton* Close;
};
