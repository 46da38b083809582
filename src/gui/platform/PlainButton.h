#pragma once

#include <QString>

class QPushButton;
class QWidget;

// A named push button that Enter in another control of its window does not press: the windows
// choose their default buttons themselves.
QPushButton* plainButton(const char* name, const QString& caption, QWidget* parent);
