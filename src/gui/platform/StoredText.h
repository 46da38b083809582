#pragma once

#include "common/Cp1252.h"

#include <QString>

#include <string>

// Record files hold Windows-1252 text; the window shows Unicode.
inline QString fromStored(const std::string& bytes) {
    return QString::fromStdString(trevik::cp1252ToUtf8(bytes));
}

// A character that Windows-1252 cannot hold is stored as '?'.
inline std::string toStored(const QString& text) {
    return trevik::utf8ToCp1252(text.toStdString());
}
