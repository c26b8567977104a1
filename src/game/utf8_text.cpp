// SPDX-License-Identifier: GPL-3.0-or-later
#include "utf8_text.h"

namespace zantaro {

namespace {

bool isContinuationByte(unsigned char byte)
{
    return (byte & 0xC0) == 0x80;
}

// How many bytes a character that starts with this byte occupies, by its leading bits.
std::size_t announcedLength(unsigned char lead)
{
    if ((lead & 0xE0) == 0xC0)
        return 2;
    if ((lead & 0xF0) == 0xE0)
        return 3;
    if ((lead & 0xF8) == 0xF0)
        return 4;
    return 1;
}

} // namespace

std::string_view leadingCharacters(std::string_view text, std::size_t maxCharacters)
{
    std::size_t end = 0;
    for (std::size_t characters = 0; characters < maxCharacters && end < text.size(); ++characters) {
        const std::size_t length = announcedLength(static_cast<unsigned char>(text[end]));
        ++end;
        for (std::size_t taken = 1;
             taken < length && end < text.size() && isContinuationByte(static_cast<unsigned char>(text[end]));
             ++taken)
            ++end;
    }
    return text.substr(0, end);
}

} // namespace zantaro
