#pragma once

#include <QFont>

class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class QVBoxLayout;
class QWidget;

// What the timer and the stopwatch windows are both made of.

// The large reading: Arial, 35 pixels high (or the desktop's nearest sans-serif where Arial is
// missing).
QFont toolDisplayFont();

// The "00:00:00" reading at the top, centred in the large font.
QLabel* toolTimeLabel(QWidget* parent);

// The rows under the controls: "Comment" with its box, then "Close" on the right.
struct CommentAndClose {
    QLineEdit* comment;
    QPushButton* close;
};
CommentAndClose addCommentAndClose(QVBoxLayout* layout, QWidget* parent);

// A single-shot precise timer, started anew for each next second of the reading.
QTimer* secondTimer(const char* name, QWidget* parent);

// Shows the window in front, with the focus.
void bringToFront(QWidget* window);
