#pragma once

#include <string>
#include <string_view>

namespace cvn {

// The catalogue, the settings and every file the program writes are Windows-1252.
// Text stays in those bytes inside the core and is converted only where it meets
// Qt or a terminal. The five bytes that Windows-1252 leaves undefined (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) map to the C1 controls of the same value, so all 256 bytes
// survive a round trip.
std::string Win1252ToUtf8(std::string_view bytes);

// Characters that Windows-1252 cannot hold become "?", as the platform's
// best-fit conversion would write them; malformed UTF-8 is taken byte by byte.
std::string Utf8ToWin1252(std::string_view utf8);

// Why bytes read as a Windows-1252 text file are not such text, or empty when they
// may be: a UTF-16 byte-order mark, or NUL bytes (UTF-16 without a mark, a binary
// file), which would otherwise read as fields of invisible garbage.
std::string NotWin1252Reason(std::string_view bytes);

// The Unicode code point of one Windows-1252 byte.
char32_t Win1252CodePoint(unsigned char byte);

} // namespace cvn
