// SPDX-License-Identifier: GPL-3.0-or-later
// How long a wave file plays, read from its RIFF header.
#pragma once

#include <chrono>
#include <optional>
#include <string_view>

namespace zantaro {

// The playing time of a PCM wave file's bytes (data size divided by byte rate), or nullopt when
// the bytes are not a readable wave file. A file may claim more data than it holds; the time is
// then taken from what it holds.
std::optional<std::chrono::milliseconds> waveDuration(std::string_view bytes);

} // namespace zantaro
