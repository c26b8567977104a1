// SPDX-License-Identifier: GPL-3.0-or-later
// AtomicFileAccess: whole text files on disk; a replace writes a temporary file beside the target
// and renames it over the target, so a crash or a full disk never leaves half a file.
#pragma once

#include "game/text_file_access.h"

#include <cstdint>

namespace zantaro {

class AtomicFileAccess : public TextFileAccess
{
public:
    // A settings file larger than this is not one of ours; it is neither read nor overwritten.
    static constexpr std::int64_t MaxFileSize = 16 * 1024 * 1024;

    std::optional<std::string> read(const std::string& path) override;
    // Creates missing parent directories. Refuses to overwrite an existing file that read() cannot
    // read, so a caller that saw nothing never wipes what it could not see.
    bool replace(const std::string& path, const std::string& text) override;
};

} // namespace zantaro
