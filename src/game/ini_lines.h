// SPDX-License-Identifier: GPL-3.0-or-later
// IniLines: the bytes of a settings file as lines of UTF-8 text, and back. It knows how the file
// is written (bytes in UTF-8 or Windows-1252, or UTF-16 LE after its byte-order mark; which line
// breaks), gives back every line that was not changed byte for byte, and writes changed and added
// lines the way the file is written already.
#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zantaro {

class IniLines
{
public:
    // Only this many bytes are split into lines, ending after a line break; the rest is kept
    // unread and written back as it is.
    IniLines(std::string_view bytes, std::size_t maxParsedBytes);

    std::size_t size() const { return m_lines.size(); }
    const std::string& text(std::size_t index) const { return m_lines[index].text; }
    void setText(std::size_t index, std::string text);
    // A new line with the file's line break, before the line at index; the line before it gets a
    // line break if it had none.
    void insert(std::size_t index, std::string text);
    void append(std::string text) { insert(m_lines.size(), std::move(text)); }

    bool hasUnparsedTail() const { return !m_unparsedTail.empty(); }
    // What the lines take in the file, without the byte-order mark and the unparsed tail.
    std::size_t parsedSize() const;
    // What lines of these texts, added, would take in the file at most.
    std::size_t sizeOfNewLines(std::initializer_list<std::string_view> texts) const;
    std::string fileBytes() const;

private:
    enum class Encoding : std::uint8_t
    {
        Utf8,
        Utf8WithMark,
        Cp1252,
        Utf16Le
    };
    enum class LineEnding : std::uint8_t
    {
        None,
        Lf,
        CrLf,
        Cr
    };
    struct Line
    {
        std::string text;
        LineEnding ending = LineEnding::None;
        std::optional<std::string> readBytes; // what the file held, until the text changes
    };

    void split(std::string_view bytes, std::size_t unitSize, std::size_t maxParsedBytes);
    std::string encoded(std::string_view text) const;
    std::string encodedLine(const Line& line) const;

    std::vector<Line> m_lines;
    std::string m_unparsedTail;
    Encoding m_encoding = Encoding::Utf8;
    LineEnding m_newLineEnding = LineEnding::Lf; // the style of the file, for lines we add
};

} // namespace zantaro
