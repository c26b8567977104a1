// SPDX-License-Identifier: GPL-3.0-or-later
// NamedCase: the base of the case tables that parameterised tests run over; each case carries the
// sentence that names it, and gtest prints and names the case by it.
#pragma once

#include <ostream>
#include <string>
#include <type_traits>

namespace zantaro::testing {

struct NamedCase
{
    const char* name;
};

// Constrained to the cases themselves, so that it wins over gtest's own printer of any value.
template <typename Case>
requires std::is_base_of_v<NamedCase, Case>
void PrintTo(const Case& c, std::ostream* os)
{
    *os << c.name;
}

// The name generator for INSTANTIATE_TEST_SUITE_P.
inline constexpr auto caseName = [](const auto& info) { return std::string(info.param.name); };

} // namespace zantaro::testing
