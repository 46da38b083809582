#pragma once

#include <QFont>

// The large reading of the timer and the stopwatch: Arial, 35 pixels high (or the desktop's
// nearest sans-serif where Arial is missing).
inline QFont toolDisplayFont() {
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(35);
    return font;
}
