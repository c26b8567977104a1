// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the INI document: any bytes parse and write back unchanged, whatever encoding they look
// like; reading values, numbers and flags never fails and gives valid UTF-8; a value, number or
// flag written under any names reads back after the text is parsed again.
#include "fuzz_check.h"
#include "game/ini_document.h"
#include "game/text_encodings.h"
#include "game/utf8_text.h"

#include <algorithm>
#include <fuzzer/FuzzedDataProvider.h>

namespace {

using zantaro::IniDocument;

// What a value written reads back as: as UTF-8 (bytes that are not are taken as Windows-1252), on
// one line, without the blanks around it, cut to its length. Quotes it holds read back as well.
std::string valueAsRead(std::string_view written)
{
    std::string line = zantaro::utf8FromFileBytes(written);
    std::replace_if(
        line.begin(), line.end(), [](char c) { return c == '\r' || c == '\n' || c == '\0'; }, ' ');
    constexpr std::string_view blanks = " \t\r\v\f\x1A";
    const std::size_t first = line.find_first_not_of(blanks);
    if (first == std::string::npos)
        return {};
    line = line.substr(first, line.find_last_not_of(blanks) - first + 1);
    return std::string(zantaro::leadingCharacters(line, IniDocument::MaxValueLength));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider input(data, size);
    const std::string section = input.ConsumeRandomLengthString(80);
    const std::string key = input.ConsumeRandomLengthString(80);
    const std::string value = input.ConsumeRandomLengthString(3000);
    const auto number = input.ConsumeIntegral<std::int32_t>();
    const bool flag = input.ConsumeBool();
    const std::string text = input.ConsumeRemainingBytesAsString();

    IniDocument document(text);
    FUZZ_CHECK(document.text() == text);
    if (const auto stored = document.value(section, key)) {
        FUZZ_CHECK(zantaro::isValidUtf8(*stored));
        FUZZ_CHECK(zantaro::leadingCharacters(*stored, IniDocument::MaxValueLength) == *stored);
    }
    const std::int32_t storedNumber = document.integer(section, key, number);
    if (!document.value(section, key))
        FUZZ_CHECK(storedNumber == number);
    (void)document.flag(section, key);

    document.setValue(section, key, value);
    const std::string written = document.text();
    IniDocument reread(written);
    FUZZ_CHECK(reread.text() == written);
    FUZZ_CHECK(reread.value(section, key) == valueAsRead(value));

    reread.setInteger(section, key, number);
    FUZZ_CHECK(IniDocument(reread.text()).integer(section, key, number == 0 ? 1 : 0) == number);
    reread.setFlag(section, key, flag);
    FUZZ_CHECK(IniDocument(reread.text()).flag(section, key) == flag);
    return 0;
}
