// SPDX-License-Identifier: GPL-3.0-or-later
// Converting text between the UTF-8 the game works in and the encodings of settings files that
// come from Windows: its code page Windows-1252 and UTF-16 LE.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zantaro {

bool isValidUtf8(std::string_view text);

// Valid UTF-8 as it is; any other bytes read as Windows-1252, where every byte is a character, so
// that no byte is lost.
std::string utf8FromFileBytes(std::string_view bytes);

// The Windows-1252 bytes of valid UTF-8 text, or nullopt when a character has none.
std::optional<std::string> cp1252FromUtf8(std::string_view text);

// UTF-16 LE code units (an even number of bytes) as UTF-8; a lone surrogate becomes U+FFFD.
std::string utf8FromUtf16Le(std::string_view bytes);

// Valid UTF-8 text as UTF-16 LE code units.
std::string utf16LeFromUtf8(std::string_view text);

} // namespace zantaro
