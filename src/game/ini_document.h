// SPDX-License-Identifier: GPL-3.0-or-later
// IniDocument: a settings file of the INI kind held in memory. It reads and writes values the way
// Windows's profile functions do and leaves every line it does not write byte for byte as it was.
#pragma once

#include "ini_lines.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zantaro {

class IniDocument
{
public:
    // Only this much of a text is parsed; the rest is kept unread and written back unchanged, so a
    // huge or hostile file costs bounded time and loses nothing.
    static constexpr std::size_t MaxParsedBytes = 1024 * 1024;
    // A value read is cut to this many characters.
    static constexpr std::size_t MaxValueLength = 2047;

    // The file's bytes in any encoding IniLines knows; names and values go in and out as UTF-8.
    explicit IniDocument(std::string_view text = {});

    // The value of a key, trimmed, up to a NUL, without one pair of quotes around it, and cut to
    // MaxValueLength characters; nullopt when the section or the key is absent, or the key's line
    // has no "=". Names match without regard to ASCII case; the first of duplicates wins.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    // The value as a signed 32-bit number: leading spaces, an optional sign, then decimal digits or
    // up to 32 bits of hexadecimal ones after "$", "x" or "0x" ("$FFFFFFFF" is -1). Absent, partly
    // numeric or out-of-range text gives the fallback.
    std::int32_t integer(std::string_view section, std::string_view key, std::int32_t fallback) const;
    // A flag is a number, 1 when absent or not a number; anything but 0 is true.
    bool flag(std::string_view section, std::string_view key) const;

    // Replaces the value in place (filling in a key's line that has no "="), or adds the key after
    // the last key with a value in its section, or adds the section at the end (at the start when the end
    // lies past MaxParsedBytes, so that it is read back). Line breaks and NUL in the value become spaces so
    // it stays one line; a value in quotes gets one more pair, so that it reads back as given.
    void setValue(std::string_view section, std::string_view key, std::string_view value);
    void setInteger(std::string_view section, std::string_view key, std::int32_t value);
    void setFlag(std::string_view section, std::string_view key, bool value);

    // The whole document as file bytes, in the file's encoding.
    std::string text() const;

private:
    struct SectionRange
    {
        std::size_t header; // index of the "[name]" line
        std::size_t end;    // index of the next header, or the line count
    };

    std::optional<SectionRange> findSection(std::string_view section) const;
    std::optional<std::size_t> findKey(const SectionRange& range, std::string_view key) const;
    void appendSection(const std::string& section, const std::string& content);

    IniLines m_lines;
};

} // namespace zantaro
