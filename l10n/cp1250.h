// Windows-1250 text at the machine's edges.
//
// Inside the machine every text is a std::string of Windows-1250 bytes, so
// columns and lengths count bytes. Display, speech, keyboard input and the
// UTF-8 literals in the sources convert with these two functions.
#pragma once

#include <string>
#include <string_view>

namespace ulvora {

// Windows-1250 bytes to UTF-8. The five unassigned bytes become U+FFFD.
std::string toUtf8(std::string_view cp1250);

// UTF-8 to Windows-1250 bytes. A character the code page lacks, or a
// malformed sequence, becomes "?".
std::string fromUtf8(std::string_view utf8);

// One Windows-1250 byte as its Unicode code point (U+FFFD if unassigned).
char32_t cp1250ToUnicode(unsigned char byte);

// The Windows-1250 byte of a code point, or 0 when the code page lacks it.
unsigned char unicodeToCp1250(char32_t codepoint);

}  // namespace ulvora
