// SPDX-License-Identifier: GPL-3.0-or-later
// MemoryFileAccess: a fake TextFileAccess holding files in a map, counting reads and replaces and
// able to refuse writes, for tests of code that keeps settings files.
#pragma once

#include "game/text_file_access.h"

#include <map>

namespace zantaro::testing {

class MemoryFileAccess : public TextFileAccess
{
public:
    std::map<std::string, std::string> files;
    bool refuseWrites = false;
    int reads = 0;
    int replaces = 0;

    std::optional<std::string> read(const std::string& path) override
    {
        ++reads;
        const auto file = files.find(path);
        if (file == files.end())
            return std::nullopt;
        return file->second;
    }

    bool replace(const std::string& path, const std::string& text) override
    {
        ++replaces;
        if (refuseWrites)
            return false;
        files[path] = text;
        return true;
    }
};

} // namespace zantaro::testing
