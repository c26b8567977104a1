// SPDX-License-Identifier: GPL-3.0-or-later
#include "paytable.h"

#include "reels.h"

namespace zantaro {

namespace {

constexpr std::array<int, 9> RegularPays{250, 50, 20, 18, 14, 12, 10, 3, 1};
constexpr std::array<int, 5> FreeSpinPays{100, 50, 30, 20, 10};

constexpr bool isOrWild(std::uint8_t symbol, std::uint8_t wanted)
{
    return symbol == wanted || symbol == Wild;
}

constexpr bool eachIsOrWild(std::uint8_t s1, std::uint8_t s2, std::uint8_t s3, std::uint8_t wanted)
{
    return isOrWild(s1, wanted) && isOrWild(s2, wanted) && isOrWild(s3, wanted);
}

constexpr bool isBarSevenOrWild(std::uint8_t symbol)
{
    return symbol == Wild || symbol == Seven || symbol == TripleBar || symbol == DoubleBar;
}

constexpr int regularRow(std::uint8_t s1, std::uint8_t s2, std::uint8_t s3)
{
    if (s1 == Wild && s2 == Wild && s3 == Wild)
        return 1;
    constexpr std::array<std::uint8_t, 6> fullLineSymbols{Seven, Melon, Bell, Apple, Grape, Cherry};
    for (std::size_t i = 0; i < fullLineSymbols.size(); ++i) {
        if (eachIsOrWild(s1, s2, s3, fullLineSymbols[i]))
            return static_cast<int>(i) + 2;
    }
    if (isOrWild(s1, Cherry) && isOrWild(s2, Cherry))
        return 8;
    if (isOrWild(s1, Cherry))
        return 9;
    return 0;
}

constexpr int freeSpinRow(std::uint8_t s1, std::uint8_t s2, std::uint8_t s3)
{
    if (s1 == Wild && s2 == Wild && s3 == Wild)
        return 1;
    if (eachIsOrWild(s1, s2, s3, TripleBar))
        return 2;
    if (eachIsOrWild(s1, s2, s3, DoubleBar))
        return 3;
    if (eachIsOrWild(s1, s2, s3, Seven))
        return 4;
    if (isBarSevenOrWild(s1) && isBarSevenOrWild(s2) && isBarSevenOrWild(s3))
        return 5;
    return 0;
}

// The first matching row of every line of symbol codes, worked out once by the rules above: every
// spin evaluates eight lines, and a look-up is far cheaper than trying the rows one by one.
using RowTable = std::array<std::uint8_t, SymbolCount * SymbolCount * SymbolCount>;

constexpr RowTable rowTable(int (*rowOf)(std::uint8_t, std::uint8_t, std::uint8_t))
{
    RowTable rows{};
    for (int s1 = 0; s1 < SymbolCount; ++s1) {
        for (int s2 = 0; s2 < SymbolCount; ++s2) {
            for (int s3 = 0; s3 < SymbolCount; ++s3) {
                rows[(s1 * SymbolCount + s2) * SymbolCount + s3] = static_cast<std::uint8_t>(
                    rowOf(static_cast<std::uint8_t>(s1), static_cast<std::uint8_t>(s2),
                          static_cast<std::uint8_t>(s3)));
            }
        }
    }
    return rows;
}

constexpr RowTable RegularRows = rowTable(regularRow);
constexpr RowTable FreeSpinRows = rowTable(freeSpinRow);

} // namespace

std::span<const int> rowPays(PayTable table)
{
    if (table == PayTable::Regular)
        return RegularPays;
    return FreeSpinPays;
}

int firstMatchingRow(PayTable table, std::uint8_t s1, std::uint8_t s2, std::uint8_t s3)
{
    // A code outside the symbol set stands on no strip; it takes the rules themselves.
    if (s1 >= SymbolCount || s2 >= SymbolCount || s3 >= SymbolCount)
        return table == PayTable::Regular ? regularRow(s1, s2, s3) : freeSpinRow(s1, s2, s3);
    const RowTable& rows = table == PayTable::Regular ? RegularRows : FreeSpinRows;
    return rows[(s1 * SymbolCount + s2) * SymbolCount + s3];
}

int payPerCoin(PayTable table, std::uint8_t s1, std::uint8_t s2, std::uint8_t s3)
{
    const int row = firstMatchingRow(table, s1, s2, s3);
    return row == 0 ? 0 : rowPays(table)[row - 1];
}

bool isBellLine(std::uint8_t s1, std::uint8_t s2, std::uint8_t s3)
{
    return eachIsOrWild(s1, s2, s3, Bell);
}

} // namespace zantaro
