// SPDX-License-Identifier: GPL-3.0-or-later
// TextFileAccess: how the rules reach whole text files without doing any I/O of their own.
#pragma once

#include <optional>
#include <string>

namespace zantaro {

class TextFileAccess
{
public:
    virtual ~TextFileAccess() = default;

    // The whole file, or nullopt when it is missing or cannot be read.
    virtual std::optional<std::string> read(const std::string& path) = 0;

    // Replaces the whole file at once, so that a reader sees either the old text or the new one,
    // never a mix. Returns false on failure, leaving the old file as it was.
    virtual bool replace(const std::string& path, const std::string& text) = 0;
};

} // namespace zantaro
