#pragma once

#include <QColor>
#include <QFont>

namespace cvn {

// Makes Tahoma and MS Sans Serif available when the system has not got them, from the
// fonts the program ships with or from a wine font folder. Arial and Times New Roman
// come through the system's metric-compatible aliases.
void RegisterProgramFonts();

// Tahoma at a height in pixels: 8 points on a 96-dpi screen is 11 pixels.
QFont TahomaFont(int pixels, bool bold = false);

constexpr int Points8 = 11;
constexpr int Points10 = 13;

inline QColor Navy() {
    return {0, 0, 0x80};
}

} // namespace cvn
