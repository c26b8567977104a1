// SPDX-License-Identifier: GPL-3.0-or-later
// utf16LeFile: the bytes of a settings file as Windows Notepad saves it as "Unicode", for tests of
// files that players bring over from Windows.
#pragma once

#include <string>
#include <string_view>

namespace zantaro::testing {

// UTF-16 LE code units after their byte-order mark.
inline std::string utf16LeFile(std::u16string_view text)
{
    std::string bytes = "\xFF\xFE";
    for (const char16_t unit : text) {
        bytes += static_cast<char>(unit & 0xFF);
        bytes += static_cast<char>(unit >> 8);
    }
    return bytes;
}

} // namespace zantaro::testing
