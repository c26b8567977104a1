// SPDX-License-Identifier: GPL-3.0-or-later
#include "ini_document.h"

#include "utf8_text.h"

#include <algorithm>
#include <charconv>

namespace zantaro {

namespace {

constexpr std::string_view Blanks = " \t\r\v\f";

std::string_view trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(Blanks);
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(Blanks) - first + 1);
}

bool equalsIgnoringAsciiCase(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [&](char x, char y) { return lower(x) == lower(y); });
}

// The name of a "[name]" line; the first "]" closes it, whatever follows is ignored.
std::optional<std::string_view> sectionHeaderName(std::string_view content)
{
    const std::string_view line = trimmed(content);
    if (line.empty() || line.front() != '[')
        return std::nullopt;
    const std::size_t close = line.find(']');
    if (close == std::string_view::npos)
        return std::nullopt;
    return trimmed(line.substr(1, close - 1));
}

struct KeyLine
{
    std::string_view name;
    std::string_view value;
    std::size_t valueStart; // where the value begins in the line, after "=" and its blanks
};

// A "name=value" line. Section headers, comments (";" or "#") and lines without "=" are no keys.
std::optional<KeyLine> keyLine(std::string_view content)
{
    const std::string_view line = trimmed(content);
    if (line.empty() || line.front() == ';' || line.front() == '#' || sectionHeaderName(line))
        return std::nullopt;
    const std::size_t equals = content.find('=');
    if (equals == std::string_view::npos)
        return std::nullopt;
    const std::size_t valueStart = std::min(content.find_first_not_of(Blanks, equals + 1), content.size());
    return KeyLine{trimmed(content.substr(0, equals)), trimmed(content.substr(valueStart)), valueStart};
}

// Text that cannot end its line early: line breaks and NUL become spaces.
std::string oneLine(std::string_view text, std::string_view alsoReplaced = {})
{
    std::string line(text);
    for (char& c : line) {
        if (c == '\r' || c == '\n' || c == '\0' || alsoReplaced.find(c) != std::string_view::npos)
            c = ' ';
    }
    return line;
}

// Names go through the same cleaning when written and when looked up, so a name that would break
// the line structure still finds what it wrote.
std::string cleanSectionName(std::string_view name)
{
    return std::string(trimmed(oneLine(name, "]")));
}

std::string cleanKeyName(std::string_view name)
{
    const std::string line = oneLine(name, "=");
    // A key may not start like a section header or a comment.
    const std::size_t start = line.find_first_not_of("[;#\t\v\f ");
    return start == std::string::npos ? std::string()
                                      : std::string(trimmed(std::string_view(line).substr(start)));
}

std::optional<std::int32_t> profileInteger(std::string_view text)
{
    std::size_t at = text.find_first_not_of(' ');
    if (at == std::string_view::npos)
        return std::nullopt;
    const bool negative = text[at] == '-';
    if (text[at] == '+' || text[at] == '-')
        ++at;
    int base = 10;
    const std::string_view rest = text.substr(at);
    if (rest.starts_with('$') || rest.starts_with('x') || rest.starts_with('X')) {
        base = 16;
        at += 1;
    } else if (rest.starts_with("0x") || rest.starts_with("0X")) {
        base = 16;
        at += 2;
    }
    // Unsigned, so that a second sign is refused; empty digits are refused as well.
    std::uint64_t magnitude = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data() + at, end, magnitude, base);
    const std::uint64_t limit = negative ? 2147483648u : 2147483647u;
    if (error != std::errc{} || stop != end || magnitude > limit)
        return std::nullopt;
    const auto signedMagnitude = static_cast<std::int64_t>(magnitude);
    return static_cast<std::int32_t>(negative ? -signedMagnitude : signedMagnitude);
}

} // namespace

IniDocument::IniDocument(std::string_view text)
{
    std::string_view parsed = text;
    if (text.size() > MaxParsedBytes) {
        // Cut after a line break, so that the tail kept unread begins a line of its own.
        const std::size_t lastBreak = text.substr(0, MaxParsedBytes).rfind('\n');
        const std::size_t cut = lastBreak == std::string_view::npos ? 0 : lastBreak + 1;
        parsed = text.substr(0, cut);
        m_unparsedTail = text.substr(cut);
    }
    bool endingSeen = false;
    std::size_t start = 0;
    while (start < parsed.size()) {
        const std::size_t lineBreak = parsed.find('\n', start);
        if (lineBreak == std::string_view::npos) {
            m_lines.push_back({std::string(parsed.substr(start)), LineEnding::None});
            break;
        }
        const bool crLf = lineBreak > start && parsed[lineBreak - 1] == '\r';
        const LineEnding ending = crLf ? LineEnding::CrLf : LineEnding::Lf;
        m_lines.push_back({std::string(parsed.substr(start, lineBreak - start - (crLf ? 1 : 0))), ending});
        if (!endingSeen)
            m_newLineEnding = ending;
        endingSeen = true;
        start = lineBreak + 1;
    }
}

std::optional<IniDocument::SectionRange> IniDocument::findSection(std::string_view section) const
{
    const std::string wanted = cleanSectionName(section);
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const auto name = sectionHeaderName(m_lines[i].content);
        if (!name || !equalsIgnoringAsciiCase(*name, wanted))
            continue;
        std::size_t end = i + 1;
        while (end < m_lines.size() && !sectionHeaderName(m_lines[end].content))
            ++end;
        return SectionRange{i, end};
    }
    return std::nullopt;
}

std::optional<std::size_t> IniDocument::findKey(const SectionRange& range, std::string_view key) const
{
    const std::string wanted = cleanKeyName(key);
    for (std::size_t i = range.header + 1; i < range.end; ++i) {
        const auto line = keyLine(m_lines[i].content);
        if (line && equalsIgnoringAsciiCase(line->name, wanted))
            return i;
    }
    return std::nullopt;
}

std::optional<std::string> IniDocument::value(std::string_view section, std::string_view key) const
{
    const auto range = findSection(section);
    if (!range)
        return std::nullopt;
    const auto index = findKey(*range, key);
    if (!index)
        return std::nullopt;
    return std::string(leadingCharacters(keyLine(m_lines[*index].content)->value, MaxValueLength));
}

std::int32_t IniDocument::integer(std::string_view section, std::string_view key, std::int32_t fallback) const
{
    const auto text = value(section, key);
    return text ? profileInteger(*text).value_or(fallback) : fallback;
}

bool IniDocument::flag(std::string_view section, std::string_view key) const
{
    return integer(section, key, 1) != 0;
}

void IniDocument::setValue(std::string_view section, std::string_view key, std::string_view value)
{
    const std::string cleanValue = oneLine(value);
    const auto range = findSection(section);
    if (!range) {
        appendSection(cleanSectionName(section), cleanKeyName(key) + '=' + cleanValue);
        return;
    }
    if (const auto index = findKey(*range, key)) {
        // Only the value changes; the key's spelling and the text up to the value stay.
        std::string& content = m_lines[*index].content;
        content.replace(keyLine(content)->valueStart, std::string::npos, cleanValue);
        return;
    }
    std::size_t lastKey = range->header;
    for (std::size_t i = range->header + 1; i < range->end; ++i) {
        if (keyLine(m_lines[i].content))
            lastKey = i;
    }
    insertLine(lastKey + 1, cleanKeyName(key) + '=' + cleanValue);
}

void IniDocument::setInteger(std::string_view section, std::string_view key, std::int32_t value)
{
    setValue(section, key, std::to_string(value));
}

void IniDocument::setFlag(std::string_view section, std::string_view key, bool value)
{
    setValue(section, key, value ? "1" : "0");
}

void IniDocument::insertLine(std::size_t index, std::string content)
{
    Line& previous = m_lines[index - 1];
    if (previous.ending == LineEnding::None)
        previous.ending = m_newLineEnding;
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(index),
                   Line{std::move(content), m_newLineEnding});
}

void IniDocument::appendSection(std::string_view section, std::string content)
{
    // Past the parsed part of an oversized file the next read would not find the new section; it
    // goes first instead, set apart by a blank line.
    const std::size_t added = section.size() + content.size() + 8; // brackets, line ends, a blank line
    if (!m_unparsedTail.empty() && text().size() - m_unparsedTail.size() + added > MaxParsedBytes) {
        m_lines.insert(m_lines.begin(),
                       {Line{'[' + std::string(section) + ']', m_newLineEnding},
                        Line{std::move(content), m_newLineEnding}, Line{{}, m_newLineEnding}});
        return;
    }
    if (!m_lines.empty()) {
        Line& last = m_lines.back();
        if (last.ending == LineEnding::None)
            last.ending = m_newLineEnding;
        // A blank line sets the new section apart, unless the file already ends with one.
        if (!trimmed(last.content).empty())
            m_lines.push_back({std::string(), m_newLineEnding});
    }
    m_lines.push_back({'[' + std::string(section) + ']', m_newLineEnding});
    m_lines.push_back({std::move(content), m_newLineEnding});
}

std::string IniDocument::text() const
{
    std::string text;
    for (const Line& line : m_lines) {
        text += line.content;
        if (line.ending == LineEnding::CrLf)
            text += "\r\n";
        else if (line.ending == LineEnding::Lf)
            text += '\n';
    }
    text += m_unparsedTail;
    return text;
}

} // namespace zantaro
