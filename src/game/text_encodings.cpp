// SPDX-License-Identifier: GPL-3.0-or-later
#include "text_encodings.h"

#include <algorithm>
#include <array>

namespace zantaro {

namespace {

constexpr char32_t ReplacementCharacter = 0xFFFD;

// The characters of the Windows-1252 bytes 0x80 to 0x9F. Windows maps the five bytes the code page
// leaves undefined to the control characters of the same number, so every byte has a character
// and back.
constexpr std::array<char32_t, 32> Cp1252From0x80{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

struct Decoded
{
    char32_t character;
    std::size_t length;
};

// The lead bytes of two, three and four bytes: the marker in their top bits, and the smallest
// character that takes that many bytes.
struct LeadByte
{
    unsigned char markerMask;
    unsigned char marker;
    std::size_t length;
    char32_t smallest;
};

constexpr std::array<LeadByte, 3> LeadBytes{
    {{0xE0, 0xC0, 2, 0x80}, {0xF0, 0xE0, 3, 0x800}, {0xF8, 0xF0, 4, 0x10000}}};

// The character that starts at text[at], or nullopt where the bytes there are no valid UTF-8:
// a stray continuation byte, a short or overlong sequence, a surrogate or a value past U+10FFFF.
std::optional<Decoded> decodeUtf8(std::string_view text, std::size_t at)
{
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    if (lead < 0x80)
        return Decoded{lead, 1};
    const auto* kind = std::find_if(LeadBytes.begin(), LeadBytes.end(),
                                    [&](const LeadByte& l) { return (lead & l.markerMask) == l.marker; });
    if (kind == LeadBytes.end() || text.size() - at < kind->length)
        return std::nullopt;
    char32_t character = lead & ~kind->markerMask & 0xFF;
    for (std::size_t i = at + 1; i < at + kind->length; ++i) {
        if ((byte(i) & 0xC0) != 0x80)
            return std::nullopt;
        character = character << 6 | (byte(i) & 0x3F);
    }
    if (character < kind->smallest || character > 0x10FFFF || (character >= 0xD800 && character <= 0xDFFF))
        return std::nullopt;
    return Decoded{character, kind->length};
}

void appendUtf8(std::string& text, char32_t character)
{
    const auto add = [&](char32_t bits) { text += static_cast<char>(bits); };
    if (character < 0x80) {
        add(character);
    } else if (character < 0x800) {
        add(0xC0 | character >> 6);
        add(0x80 | (character & 0x3F));
    } else if (character < 0x10000) {
        add(0xE0 | character >> 12);
        add(0x80 | (character >> 6 & 0x3F));
        add(0x80 | (character & 0x3F));
    } else {
        add(0xF0 | character >> 18);
        add(0x80 | (character >> 12 & 0x3F));
        add(0x80 | (character >> 6 & 0x3F));
        add(0x80 | (character & 0x3F));
    }
}

void appendUtf16Le(std::string& bytes, char32_t unit)
{
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>(unit >> 8);
}

} // namespace

bool isValidUtf8(std::string_view text)
{
    for (std::size_t at = 0; at < text.size();) {
        const auto decoded = decodeUtf8(text, at);
        if (!decoded)
            return false;
        at += decoded->length;
    }
    return true;
}

std::string utf8FromFileBytes(std::string_view bytes)
{
    if (isValidUtf8(bytes))
        return std::string(bytes);
    std::string text;
    text.reserve(bytes.size() * 2);
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        appendUtf8(text, byte >= 0x80 && byte < 0xA0 ? Cp1252From0x80[byte - 0x80] : byte);
    }
    return text;
}

std::optional<std::string> cp1252FromUtf8(std::string_view text)
{
    std::string bytes;
    bytes.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        const auto decoded = decodeUtf8(text, at);
        if (!decoded)
            return std::nullopt;
        at += decoded->length;
        const char32_t character = decoded->character;
        if (character < 0x80 || (character >= 0xA0 && character <= 0xFF)) {
            bytes += static_cast<char>(character);
            continue;
        }
        const auto* found = std::find(Cp1252From0x80.begin(), Cp1252From0x80.end(), character);
        if (found == Cp1252From0x80.end())
            return std::nullopt;
        bytes += static_cast<char>(0x80 + (found - Cp1252From0x80.begin()));
    }
    return bytes;
}

std::string utf8FromUtf16Le(std::string_view bytes)
{
    const auto unitAt = [&](std::size_t i) -> char32_t {
        return static_cast<unsigned char>(bytes[2 * i]) | static_cast<unsigned char>(bytes[2 * i + 1]) << 8;
    };
    const std::size_t units = bytes.size() / 2;
    std::string text;
    text.reserve(units);
    for (std::size_t i = 0; i < units; ++i) {
        const char32_t unit = unitAt(i);
        if (unit < 0xD800 || unit > 0xDFFF) {
            appendUtf8(text, unit);
        } else if (unit < 0xDC00 && i + 1 < units && unitAt(i + 1) >= 0xDC00 && unitAt(i + 1) <= 0xDFFF) {
            appendUtf8(text, 0x10000 + ((unit - 0xD800) << 10 | (unitAt(i + 1) - 0xDC00)));
            ++i;
        } else {
            appendUtf8(text, ReplacementCharacter);
        }
    }
    return text;
}

std::string utf16LeFromUtf8(std::string_view text)
{
    std::string bytes;
    bytes.reserve(text.size() * 2);
    for (std::size_t at = 0; at < text.size();) {
        const Decoded decoded = decodeUtf8(text, at).value_or(Decoded{ReplacementCharacter, 1});
        at += decoded.length;
        const char32_t character = decoded.character;
        if (character < 0x10000) {
            appendUtf16Le(bytes, character);
        } else {
            appendUtf16Le(bytes, 0xD800 + ((character - 0x10000) >> 10));
            appendUtf16Le(bytes, 0xDC00 + ((character - 0x10000) & 0x3FF));
        }
    }
    return bytes;
}

} // namespace zantaro
