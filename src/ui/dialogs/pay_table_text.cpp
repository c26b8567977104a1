// SPDX-License-Identifier: GPL-3.0-or-later
#include "pay_table_text.h"

#include "game/paytable.h"

#include <QStringList>
#include <array>

namespace zantaro {

namespace {

// What each row of a table asks of a line's three symbols, left to right along the line.
constexpr std::array<const char*, 9> RegularRows{
    QT_TRANSLATE_NOOP("PayTableText", "Three Wilds"),
    QT_TRANSLATE_NOOP("PayTableText", "Three Sevens"),
    QT_TRANSLATE_NOOP("PayTableText", "Three Melons"),
    QT_TRANSLATE_NOOP("PayTableText", "Three Bells"),
    QT_TRANSLATE_NOOP("PayTableText", "Three Apples"),
    QT_TRANSLATE_NOOP("PayTableText", "Three Grapes"),
    QT_TRANSLATE_NOOP("PayTableText", "Three Cherries"),
    QT_TRANSLATE_NOOP("PayTableText", "Cherry, Cherry, any symbol"),
    QT_TRANSLATE_NOOP("PayTableText", "Cherry, any symbol, any symbol")};
constexpr std::array<const char*, 5> FreeSpinRows{
    QT_TRANSLATE_NOOP("PayTableText", "Three Wilds"), QT_TRANSLATE_NOOP("PayTableText", "Three Triple Bars"),
    QT_TRANSLATE_NOOP("PayTableText", "Three Double Bars"), QT_TRANSLATE_NOOP("PayTableText", "Three Sevens"),
    QT_TRANSLATE_NOOP("PayTableText", "Any mix of Bars and Sevens")};

} // namespace

QString PayTableText::text()
{
    QStringList lines;
    const auto addTable = [&lines](const QString& heading, PayTable table, const auto& rows) {
        lines << heading;
        const auto pays = rowPays(table);
        for (std::size_t row = 0; row < rows.size() && row < pays.size(); ++row)
            lines << tr("%1: %2").arg(tr(rows[row])).arg(pays[row]);
    };
    addTable(tr("Pays per coin played on the line:"), PayTable::Regular, RegularRows);
    addTable(tr("On free spins:"), PayTable::FreeSpin, FreeSpinRows);
    lines << tr("A Wild stands for any symbol.");
    return lines.join(QLatin1Char('\n'));
}

} // namespace zantaro
