// SPDX-License-Identifier: GPL-3.0-or-later
#include "ini_lines.h"

#include "text_encodings.h"

#include <algorithm>

namespace zantaro {

namespace {

constexpr std::string_view Utf8Mark = "\xEF\xBB\xBF";
constexpr std::string_view Utf16LeMark = "\xFF\xFE";

} // namespace

IniLines::IniLines(std::string_view bytes, std::size_t maxParsedBytes)
{
    if (bytes.starts_with(Utf16LeMark)) {
        m_encoding = Encoding::Utf16Le;
        split(bytes.substr(Utf16LeMark.size()), 2, maxParsedBytes);
        return;
    }
    if (bytes.starts_with(Utf8Mark)) {
        m_encoding = Encoding::Utf8WithMark;
        split(bytes.substr(Utf8Mark.size()), 1, maxParsedBytes);
        return;
    }
    split(bytes, 1, maxParsedBytes);
    // Without a mark, what the game writes keeps to what the file holds. Windows writes its code
    // page: a line that is no valid UTF-8 is its text, and a file of plain ASCII in its CRLF lines
    // is its file. The game's own files, and those that hold UTF-8 text already, get UTF-8.
    const auto anyLine = [this](auto test) { return std::any_of(m_lines.begin(), m_lines.end(), test); };
    const bool cp1252Text = anyLine([](const Line& line) { return line.text != *line.readBytes; });
    const bool plainAscii = !anyLine([](const Line& line) {
        return std::any_of(line.text.begin(), line.text.end(), [](char c) { return (c & 0x80) != 0; });
    });
    if (cp1252Text || (plainAscii && m_newLineEnding == LineEnding::CrLf))
        m_encoding = Encoding::Cp1252;
}

void IniLines::split(std::string_view bytes, std::size_t unitSize, std::size_t maxParsedBytes)
{
    const auto unitAt = [&](std::size_t at) -> unsigned {
        const auto low = static_cast<unsigned char>(bytes[at]);
        return unitSize == 1 ? low
                             : low | static_cast<unsigned>(static_cast<unsigned char>(bytes[at + 1])) << 8;
    };
    const auto isBreak = [&](std::size_t at) { return unitAt(at) == '\n' || unitAt(at) == '\r'; };
    // A lone last byte of UTF-16 is no character; it stays in the tail.
    const std::size_t whole = bytes.size() - bytes.size() % unitSize;
    std::size_t parsed = whole;
    if (whole > maxParsedBytes) {
        // Cut after a line break, so that the tail kept unread begins a line of its own.
        parsed = 0;
        for (std::size_t at = maxParsedBytes - maxParsedBytes % unitSize; at >= unitSize; at -= unitSize) {
            if (isBreak(at - unitSize)) {
                parsed = at;
                break;
            }
        }
        if (parsed > 0 && unitAt(parsed - unitSize) == '\r' && parsed < whole && unitAt(parsed) == '\n')
            parsed += unitSize;
    }
    // A line ends at a line feed, a carriage return, or both together, as Windows reads it.
    bool endingSeen = false;
    for (std::size_t start = 0; start < parsed;) {
        std::size_t end = start;
        while (end < parsed && !isBreak(end))
            end += unitSize;
        LineEnding ending = LineEnding::None;
        std::size_t next = end;
        if (end < parsed) {
            const bool crLf =
                unitAt(end) == '\r' && end + unitSize < parsed && unitAt(end + unitSize) == '\n';
            ending = crLf ? LineEnding::CrLf : unitAt(end) == '\r' ? LineEnding::Cr : LineEnding::Lf;
            next = end + (crLf ? 2 : 1) * unitSize;
        }
        const std::string_view read = bytes.substr(start, end - start);
        m_lines.push_back(
            {unitSize == 1 ? utf8FromFileBytes(read) : utf8FromUtf16Le(read), ending, std::string(read)});
        if (!endingSeen && ending != LineEnding::None) {
            m_newLineEnding = ending;
            endingSeen = true;
        }
        start = next;
    }
    m_unparsedTail = bytes.substr(parsed);
}

void IniLines::setText(std::size_t index, std::string text)
{
    m_lines[index].text = std::move(text);
    m_lines[index].readBytes.reset();
}

void IniLines::insert(std::size_t index, std::string text)
{
    if (index > 0 && m_lines[index - 1].ending == LineEnding::None)
        m_lines[index - 1].ending = m_newLineEnding;
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(index),
                   Line{std::move(text), m_newLineEnding, std::nullopt});
}

std::string IniLines::encoded(std::string_view text) const
{
    switch (m_encoding) {
    case Encoding::Utf16Le:
        return utf16LeFromUtf8(text);
    case Encoding::Cp1252:
        // UTF-8 instead where the code page would not give the text back: a character it lacks,
        // or bytes that happen to read as other UTF-8 text. The game reads either whole.
        if (const auto bytes = cp1252FromUtf8(text); bytes && utf8FromFileBytes(*bytes) == text)
            return *bytes;
        return std::string(text);
    case Encoding::Utf8:
    case Encoding::Utf8WithMark:
        break;
    }
    return std::string(text);
}

std::string IniLines::encodedLine(const Line& line) const
{
    const std::string_view lineBreak = line.ending == LineEnding::CrLf ? "\r\n"
                                       : line.ending == LineEnding::Lf ? "\n"
                                       : line.ending == LineEnding::Cr ? "\r"
                                                                       : "";
    return (line.readBytes ? *line.readBytes : encoded(line.text)) + encoded(lineBreak);
}

std::size_t IniLines::parsedSize() const
{
    std::size_t size = 0;
    for (const Line& line : m_lines)
        size += encodedLine(line).size();
    return size;
}

std::size_t IniLines::sizeOfNewLines(std::initializer_list<std::string_view> texts) const
{
    // Each line with the longest line break, and one more for a last line that had none.
    const std::size_t lineBreak = encoded("\r\n").size();
    std::size_t size = lineBreak;
    for (const std::string_view text : texts)
        size += encoded(text).size() + lineBreak;
    return size;
}

std::string IniLines::fileBytes() const
{
    std::string bytes(m_encoding == Encoding::Utf16Le        ? Utf16LeMark
                      : m_encoding == Encoding::Utf8WithMark ? Utf8Mark
                                                             : std::string_view());
    for (const Line& line : m_lines)
        bytes += encodedLine(line);
    bytes += m_unparsedTail;
    return bytes;
}

} // namespace zantaro
