// SPDX-License-Identifier: GPL-3.0-or-later
#include "json_writer.h"

#include <array>
#include <charconv>
#include <cmath>

namespace zantaro::simulator {

std::string jsonString(std::string_view text)
{
    std::string quoted = "\"";
    for (const char c : text) {
        switch (c) {
        case '"':
            quoted += "\\\"";
            break;
        case '\\':
            quoted += "\\\\";
            break;
        case '\b':
            quoted += "\\b";
            break;
        case '\f':
            quoted += "\\f";
            break;
        case '\n':
            quoted += "\\n";
            break;
        case '\r':
            quoted += "\\r";
            break;
        case '\t':
            quoted += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                static constexpr char hex[] = "0123456789abcdef";
                quoted += "\\u00";
                quoted += hex[(c >> 4) & 0xf];
                quoted += hex[c & 0xf];
            } else {
                quoted += c;
            }
        }
    }
    quoted += '"';
    return quoted;
}

JsonWriter& JsonWriter::beginObject()
{
    return open('{');
}

JsonWriter& JsonWriter::endObject()
{
    return close('}');
}

JsonWriter& JsonWriter::beginArray()
{
    return open('[');
}

JsonWriter& JsonWriter::endArray()
{
    return close(']');
}

JsonWriter& JsonWriter::key(std::string_view name)
{
    beforeValue();
    m_text += jsonString(name);
    m_text += ':';
    m_afterKey = true;
    return *this;
}

JsonWriter& JsonWriter::value(std::int64_t number)
{
    beforeValue();
    m_text += std::to_string(number);
    return *this;
}

JsonWriter& JsonWriter::value(double number)
{
    beforeValue();
    if (!std::isfinite(number)) {
        m_text += "null";
        return *this;
    }
    std::array<char, 32> digits{};
    const auto end = std::to_chars(digits.data(), digits.data() + digits.size(), number).ptr;
    m_text.append(digits.data(), end);
    return *this;
}

JsonWriter& JsonWriter::value(std::string_view text)
{
    beforeValue();
    m_text += jsonString(text);
    return *this;
}

JsonWriter& JsonWriter::value(std::span<const std::int32_t> numbers)
{
    beginArray();
    for (const std::int32_t number : numbers)
        value(static_cast<std::int64_t>(number));
    return endArray();
}

JsonWriter& JsonWriter::members(std::initializer_list<std::pair<std::string_view, std::int64_t>> numbers)
{
    for (const auto& [name, number] : numbers)
        key(name).value(number);
    return *this;
}

JsonWriter& JsonWriter::raw(std::string_view json)
{
    beforeValue();
    m_text += json;
    return *this;
}

JsonWriter& JsonWriter::open(char bracket)
{
    beforeValue();
    m_text += bracket;
    m_hasElements.push_back(false);
    return *this;
}

JsonWriter& JsonWriter::close(char bracket)
{
    m_text += bracket;
    m_hasElements.pop_back();
    return *this;
}

// A value right after its key needs no comma; any other element after the first of its
// container does.
void JsonWriter::beforeValue()
{
    if (m_afterKey) {
        m_afterKey = false;
        return;
    }
    if (m_hasElements.empty())
        return;
    if (m_hasElements.back())
        m_text += ',';
    m_hasElements.back() = true;
}

} // namespace zantaro::simulator
