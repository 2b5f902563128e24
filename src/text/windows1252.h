// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>
#include <string_view>

namespace ravelin {

// The Western European single-byte code page of permanence and info files.
// Qt 6.4 has no decoder of its own for it, and Latin-1 differs in 0x80..0x9F.
char32_t windows1252ToUnicode(unsigned char byte);

// Appends one code point as UTF-8.
void appendUtf8(std::string& out, char32_t cp);

// Decodes a whole text of the code page into UTF-8.
std::string windows1252ToUtf8(std::string_view bytes);

// Whether the bytes are well-formed UTF-8.
bool isValidUtf8(std::string_view bytes);

} // namespace ravelin
