// SPDX-License-Identifier: GPL-3.0-or-later
// JsonWriter: builds compact JSON text - objects, arrays, numbers and escaped strings - putting the
// commas where they belong, so the callers only say what goes where.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zantaro::simulator {

// The text as a JSON string literal, quotes included; control characters are escaped.
std::string jsonString(std::string_view text);

class JsonWriter
{
public:
    JsonWriter& beginObject();
    JsonWriter& endObject();
    JsonWriter& beginArray();
    JsonWriter& endArray();

    // The name of the next member of the open object.
    JsonWriter& key(std::string_view name);

    JsonWriter& value(std::int64_t number);
    // Shortest text that reads back as the same double; null for a value JSON cannot hold.
    JsonWriter& value(double number);
    JsonWriter& value(std::string_view text);
    JsonWriter& value(const char* text) { return value(std::string_view(text)); }
    JsonWriter& value(std::span<const std::int32_t> numbers);

    // Whole-number members of the open object, in the order given.
    JsonWriter& members(std::initializer_list<std::pair<std::string_view, std::int64_t>> numbers);

    // Inserts JSON text that is already complete as the next value.
    JsonWriter& raw(std::string_view json);

    const std::string& text() const { return m_text; }

private:
    JsonWriter& open(char bracket);
    JsonWriter& close(char bracket);
    void beforeValue();

    std::string m_text;
    std::vector<bool> m_hasElements; // one entry per open object or array
    bool m_afterKey = false;
};

} // namespace zantaro::simulator
