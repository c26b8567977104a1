// SPDX-License-Identifier: GPL-3.0-or-later
// Cutting UTF-8 text by characters rather than bytes, so that a shortened text never ends in half a
// character.
#pragma once

#include <cstddef>
#include <string_view>

namespace zantaro {

// The first maxCharacters characters of text. A character is a lead byte and the continuation bytes
// its lead byte announces; a byte that is not valid UTF-8 counts as one character, so any bytes are
// cut safely.
std::string_view leadingCharacters(std::string_view text, std::size_t maxCharacters);

} // namespace zantaro
