// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets/generated_files.h"
#include "pay_chart_rows.h"

#include <gtest/gtest.h>

namespace zantaro::testing {
namespace {

// The chart is drawn from the game's own tables: if a rule changes, the generator refuses to
// draw a chart that would tell the player otherwise.
TEST(PayChart, agreesRowByRowWithBothPayoffTables)
{
    EXPECT_TRUE(assets::chartMatchesPayTable(PayTable::Regular));
    EXPECT_TRUE(assets::chartMatchesPayTable(PayTable::FreeSpin));
}

TEST(PayChart, listsThePaysHighestFirst)
{
    for (const PayTable table : {PayTable::Regular, PayTable::FreeSpin}) {
        const auto rows = assets::chartRows(table);
        ASSERT_FALSE(rows.empty());
        for (std::size_t row = 1; row < rows.size(); ++row)
            EXPECT_LT(rows[row].pay, rows[row - 1].pay);
    }
    EXPECT_EQ(assets::chartRows(PayTable::Regular).front().pay, 250);
    EXPECT_EQ(assets::chartRows(PayTable::Regular).back().pay, 1);
    EXPECT_EQ(assets::chartRows(PayTable::FreeSpin).front().pay, 100);
}

// The chart window takes the picture's size; it must fit the smallest screen the game supports.
TEST(PayChart, fitsA640By480Screen)
{
    const QImage chart = generatedPicture(QStringLiteral("Paychart.bmp"));
    EXPECT_GE(chart.width(), 632);
    EXPECT_GE(chart.height(), 413);
    EXPECT_LE(chart.width(), 636);
    EXPECT_LE(chart.height(), 450);
}

} // namespace
} // namespace zantaro::testing
