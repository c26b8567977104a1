// SPDX-License-Identifier: GPL-3.0-or-later
#include "ini_document.h"

#include "text_encodings.h"
#include "utf8_text.h"

#include <algorithm>
#include <charconv>

namespace zantaro {

namespace {

// Windows counts the DOS end-of-file mark ^Z as a blank as well.
constexpr std::string_view Blanks = " \t\r\v\f\x1A";

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

// The name of a "[name]" line. As in Windows it runs to the last "]", so "[CurrentGame]]" names
// "CurrentGame]"; whatever follows that "]" is ignored.
std::optional<std::string_view> sectionHeaderName(std::string_view content)
{
    const std::string_view line = trimmed(content);
    if (line.empty() || line.front() != '[')
        return std::nullopt;
    const std::size_t close = line.rfind(']');
    if (close == std::string_view::npos)
        return std::nullopt;
    return trimmed(line.substr(1, close - 1));
}

struct KeyLine
{
    std::string_view name;
    std::optional<std::string_view> value; // none for a name without "="
    std::size_t valueStart; // where the value begins, after "=" and its blanks; or where the name ends
};

// A "name=value" line, or a name alone, which Windows takes for a key without a value that a write
// fills in. Section headers, comments (";" or "#") and blank lines are no keys.
std::optional<KeyLine> keyLine(std::string_view content)
{
    const std::string_view line = trimmed(content);
    if (line.empty() || line.front() == ';' || line.front() == '#' || sectionHeaderName(line))
        return std::nullopt;
    const std::size_t equals = content.find('=');
    if (equals == std::string_view::npos)
        return KeyLine{line, std::nullopt, content.find_last_not_of(Blanks) + 1};
    const std::size_t valueStart = std::min(content.find_first_not_of(Blanks, equals + 1), content.size());
    return KeyLine{trimmed(content.substr(0, equals)), trimmed(content.substr(valueStart)), valueStart};
}

bool isQuoted(std::string_view text)
{
    return text.size() >= 2 && (text.front() == '"' || text.front() == '\'') && text.back() == text.front();
}

// A stored value as Windows reads it: up to a NUL, which ends its strings, and without one pair of
// matching quotes around it.
std::string_view readValue(std::string_view stored)
{
    const std::string_view text = stored.substr(0, stored.find('\0'));
    return isQuoted(text) ? text.substr(1, text.size() - 2) : text;
}

// Text that cannot end its line early: line breaks and NUL become spaces. A caller's text that is
// no valid UTF-8 is taken as Windows-1252, like the file's own.
std::string oneLine(std::string_view text, std::string_view alsoReplaced = {})
{
    std::string line = utf8FromFileBytes(text);
    for (char& c : line) {
        if (c == '\r' || c == '\n' || c == '\0' || alsoReplaced.find(c) != std::string_view::npos)
            c = ' ';
    }
    return line;
}

// A value as its line holds it: one in quotes gets one more pair, which a read takes off again.
std::string storedValue(std::string_view value)
{
    const std::string line = oneLine(value);
    const std::string_view text = trimmed(line);
    return isQuoted(text) ? '"' + std::string(text) + '"' : line;
}

// Names go through the same cleaning when written and when looked up, so a name that would break
// the line structure still finds what it wrote. A "]" in a section name breaks nothing, as a
// header's name runs to its last one.
std::string cleanSectionName(std::string_view name)
{
    return std::string(trimmed(oneLine(name)));
}

std::string cleanKeyName(std::string_view name)
{
    const std::string line = oneLine(name, "=");
    // A key may not start like a section header or a comment.
    const std::size_t start = line.find_first_not_of("[;#\t\v\f\x1A ");
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
    // A decimal number must fit the signed range; hexadecimal digits give the 32 bits themselves,
    // as the INI object of the Windows program reads them.
    const std::uint64_t limit = base == 16 ? 0xFFFFFFFFu : negative ? 2147483648u : 2147483647u;
    if (error != std::errc{} || stop != end || magnitude > limit)
        return std::nullopt;
    const auto bits = static_cast<std::uint32_t>(magnitude);
    return static_cast<std::int32_t>(negative ? 0u - bits : bits);
}

} // namespace

IniDocument::IniDocument(std::string_view text) : m_lines(text, MaxParsedBytes) {}

std::optional<IniDocument::SectionRange> IniDocument::findSection(std::string_view section) const
{
    const std::string wanted = cleanSectionName(section);
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        const auto name = sectionHeaderName(m_lines.text(i));
        if (!name || !equalsIgnoringAsciiCase(*name, wanted))
            continue;
        std::size_t end = i + 1;
        while (end < m_lines.size() && !sectionHeaderName(m_lines.text(end)))
            ++end;
        return SectionRange{i, end};
    }
    return std::nullopt;
}

std::optional<std::size_t> IniDocument::findKey(const SectionRange& range, std::string_view key) const
{
    const std::string wanted = cleanKeyName(key);
    for (std::size_t i = range.header + 1; i < range.end; ++i) {
        const auto line = keyLine(m_lines.text(i));
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
    const auto stored = keyLine(m_lines.text(*index))->value;
    if (!stored)
        return std::nullopt;
    return std::string(leadingCharacters(readValue(*stored), MaxValueLength));
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
    const std::string stored = storedValue(value);
    const auto range = findSection(section);
    if (!range) {
        appendSection(cleanSectionName(section), cleanKeyName(key) + '=' + stored);
        return;
    }
    if (const auto index = findKey(*range, key)) {
        // Only the value changes; the key's spelling and the text up to the value stay.
        const std::string& content = m_lines.text(*index);
        const KeyLine line = *keyLine(content);
        m_lines.setText(*index, content.substr(0, line.valueStart) + (line.value ? "" : "=") + stored);
        return;
    }
    // After the last key with a value: lines without "=" are most often no keys at all, such as
    // the text of an oversized file after a section placed first.
    std::size_t lastKey = range->header;
    for (std::size_t i = range->header + 1; i < range->end; ++i) {
        if (const auto line = keyLine(m_lines.text(i)); line && line->value)
            lastKey = i;
    }
    m_lines.insert(lastKey + 1, cleanKeyName(key) + '=' + stored);
}

void IniDocument::setInteger(std::string_view section, std::string_view key, std::int32_t value)
{
    setValue(section, key, std::to_string(value));
}

void IniDocument::setFlag(std::string_view section, std::string_view key, bool value)
{
    setValue(section, key, value ? "1" : "0");
}

void IniDocument::appendSection(const std::string& section, const std::string& content)
{
    const std::string header = '[' + section + ']';
    // Past the parsed part of an oversized file the next read would not find the new section; it
    // goes first instead, set apart by a blank line.
    if (m_lines.hasUnparsedTail() &&
        m_lines.parsedSize() + m_lines.sizeOfNewLines({"", header, content}) > MaxParsedBytes) {
        m_lines.insert(0, header);
        m_lines.insert(1, content);
        m_lines.insert(2, {});
        return;
    }
    // A blank line sets the new section apart, unless the file already ends with one.
    if (m_lines.size() > 0 && !trimmed(m_lines.text(m_lines.size() - 1)).empty())
        m_lines.append({});
    m_lines.append(header);
    m_lines.append(content);
}

std::string IniDocument::text() const
{
    return m_lines.fileBytes();
}

} // namespace zantaro
