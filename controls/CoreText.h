#pragma once

#include "catalogue/Encoding.h"

#include <QString>

#include <string>

namespace cvn {

// The core keeps the catalogue's Windows-1252 bytes; Qt gets Unicode.
inline QString QStr(const std::string& win1252) {
    return QString::fromStdString(Win1252ToUtf8(win1252));
}

inline std::string CoreStr(const QString& text) {
    return Utf8ToWin1252(text.toStdString());
}

// A message for the screen: a carriage return, alone or before a line feed, is a line break.
inline QString ScreenText(const std::string& win1252) {
    QString text = QStr(win1252);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

} // namespace cvn
