// SPDX-License-Identifier: GPL-3.0-or-later
#include "wave_duration.h"

#include <algorithm>
#include <cstdint>

namespace zantaro {

namespace {

std::uint32_t littleEndian32(std::string_view bytes, std::size_t at)
{
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
    return value;
}

} // namespace

std::optional<std::chrono::milliseconds> waveDuration(std::string_view bytes)
{
    if (bytes.size() < 12 || bytes.substr(0, 4) != "RIFF" || bytes.substr(8, 4) != "WAVE")
        return std::nullopt;
    std::uint32_t byteRate = 0;
    std::size_t chunk = 12;
    while (chunk + 8 <= bytes.size()) {
        const std::string_view id = bytes.substr(chunk, 4);
        const std::uint64_t size = littleEndian32(bytes, chunk + 4);
        const std::size_t body = chunk + 8;
        if (id == "fmt " && size >= 16 && body + 12 <= bytes.size())
            byteRate = littleEndian32(bytes, body + 8);
        if (id == "data") {
            if (byteRate == 0)
                return std::nullopt;
            const std::uint64_t held = std::min<std::uint64_t>(size, bytes.size() - body);
            return std::chrono::milliseconds(held * 1000 / byteRate);
        }
        // Chunks are padded to an even size.
        const std::uint64_t next = body + size + (size & 1u);
        if (next >= bytes.size())
            break;
        chunk = static_cast<std::size_t>(next);
    }
    return std::nullopt;
}

} // namespace zantaro
