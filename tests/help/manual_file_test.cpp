// SPDX-License-Identifier: GPL-3.0-or-later
// The manual the build places beside the programs: its topics, its links, and the numbers it
// quotes, read back from the file and compared with the game's own rules.
#include "game/payout.h"
#include "game/paytable.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <gtest/gtest.h>

namespace zantaro {
namespace {

QString manualText()
{
    QFile file(QStringLiteral(ZANTARO_BUILD_DIR "/Zantaro.hlp"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

QStringList captures(const QString& text, const QString& pattern)
{
    QStringList found;
    auto matches = QRegularExpression(pattern).globalMatch(text);
    while (matches.hasNext())
        found << matches.next().captured(1);
    return found;
}

// The manual from an anchor to the end of the first table after it.
QString tableAfter(const QString& manual, const QString& anchor)
{
    const qsizetype start = manual.indexOf(QStringLiteral("<a name=\"%1\">").arg(anchor));
    if (start < 0)
        return {};
    const qsizetype end = manual.indexOf(QStringLiteral("</table>"), start);
    return manual.mid(start, end - start);
}

std::vector<int> payColumn(const QString& table)
{
    std::vector<int> pays;
    for (const QString& pay : captures(table, QStringLiteral(R"re(<td class="pay">(\d+)</td>)re")))
        pays.push_back(pay.toInt());
    return pays;
}

std::vector<int> asVector(std::span<const int> values)
{
    return {values.begin(), values.end()};
}

TEST(ManualFile, theBuildPlacesItBesideTheProgramsWithEveryNumberedTopic)
{
    const QString manual = manualText();
    ASSERT_FALSE(manual.isEmpty()) << "Zantaro.hlp is missing from the build directory";
    for (const char* anchor : {"contents", "topic-41003", "topic-41004", "topic-41005", "topic-41006",
                               "topic-41008", "topic-41010", "topic-41012"})
        EXPECT_TRUE(manual.contains(QStringLiteral("<a name=\"%1\"></a>").arg(QLatin1String(anchor))))
            << anchor;
}

TEST(ManualFile, everyLinkLeadsToAnAnchorAndTheContentsLinkEverySectionAndTopic)
{
    const QString manual = manualText();
    const QStringList anchors = captures(manual, QStringLiteral(R"re(<a name="([^"]+)">)re"));
    const QSet<QString> anchorSet(anchors.begin(), anchors.end());
    EXPECT_EQ(anchorSet.size(), anchors.size()) << "an anchor is named twice";
    for (const QString& target : captures(manual, QStringLiteral(R"re(href="#([^"]+)")re")))
        EXPECT_TRUE(anchorSet.contains(target)) << target.toStdString();

    const QString contentsPage = manual.left(manual.indexOf(QStringLiteral("<h2>")));
    const QStringList sections = captures(manual, QStringLiteral(R"re(<h2><a name="([^"]+)"></a>)re")) +
                                 captures(manual, QStringLiteral(R"re(<a name="(topic-\d+)">)re"));
    for (const QString& section : sections)
        EXPECT_TRUE(contentsPage.contains(QStringLiteral("href=\"#%1\"").arg(section)))
            << section.toStdString();
}

TEST(ManualFile, bothPayoffTablesQuoteTheGamesOwnPays)
{
    const QString manual = manualText();
    EXPECT_EQ(payColumn(tableAfter(manual, QStringLiteral("regular-table"))),
              asVector(rowPays(PayTable::Regular)));
    EXPECT_EQ(payColumn(tableAfter(manual, QStringLiteral("free-spin-table"))),
              asVector(rowPays(PayTable::FreeSpin)));
}

TEST(ManualFile, thePaylineTableNamesTheSquaresOfEachLineInReadingOrder)
{
    const QStringList lines = captures(tableAfter(manualText(), QStringLiteral("payline-table")),
                                       QStringLiteral(R"re(<td class="squares">([^<]+)</td>)re"));
    ASSERT_EQ(lines.size(), PaylineCount);
    for (int line = 0; line < PaylineCount; ++line) {
        const auto& wheels = Paylines[static_cast<std::size_t>(line)];
        const QString expected =
            QStringLiteral("%1, %2, %3").arg(wheels[0] + 1).arg(wheels[1] + 1).arg(wheels[2] + 1);
        EXPECT_EQ(lines[line].toStdString(), expected.toStdString()) << "line " << line + 1;
    }
}

TEST(ManualFile, theCountOffTableAndItsExampleFollowTheGamesSteps)
{
    const QString manual = manualText();
    const QString table = tableAfter(manual, QStringLiteral("count-off"));
    const QStringList ranges = captures(table, QStringLiteral(R"re(<td class="from">([^<]+)</td>)re"));
    const QStringList steps = captures(table, QStringLiteral(R"re(<td class="step">(\d+)</td>)re"));
    ASSERT_EQ(ranges.size(), 4);
    ASSERT_EQ(steps.size(), ranges.size());
    std::int32_t above = 0; // the lowest amount of the row before, which this row must end just under
    for (qsizetype row = 0; row < ranges.size(); ++row) {
        const QStringList bounds = captures(ranges[row], QStringLiteral(R"re((\d+))re"));
        const std::int32_t low = bounds.front().toInt();
        const std::int32_t high = bounds.size() > 1 ? bounds.back().toInt() : low;
        EXPECT_EQ(countOffStep(low), steps[row].toInt()) << ranges[row].toStdString();
        EXPECT_EQ(countOffStep(high), steps[row].toInt()) << ranges[row].toStdString();
        if (row > 0) {
            EXPECT_EQ(high, above - 1) << ranges[row].toStdString();
        }
        above = low;
    }
    EXPECT_EQ(above, 1);

    const QStringList win = captures(manual, QStringLiteral(R"re(<span class="example-win">(\d+)</span>)re"));
    const QStringList count =
        captures(manual, QStringLiteral(R"re(<span class="example-steps">(\d+)</span>)re"));
    ASSERT_EQ(win.size(), 1);
    ASSERT_EQ(count.size(), 1);
    int stepsTaken = 0;
    for (std::int32_t left = win.front().toInt(); left > 0; left -= countOffStep(left))
        ++stepsTaken;
    EXPECT_EQ(stepsTaken, count.front().toInt());
}

} // namespace
} // namespace zantaro
