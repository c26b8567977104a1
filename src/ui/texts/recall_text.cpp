// SPDX-License-Identifier: GPL-3.0-or-later
#include "recall_text.h"

#include "game/paytable.h"

#include <QCoreApplication>

namespace zantaro {

namespace {

QString tr(const char* text)
{
    return QCoreApplication::translate("RecallText", text);
}

QString clockText(std::int64_t millisecondsSinceMidnight)
{
    const int seconds = static_cast<int>((millisecondsSinceMidnight / 1000) % 86400);
    return tr("%1:%2:%3 UTC")
        .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

// One or many: the two forms every language of the game has, each a text of its own.
QString counted(std::int64_t count, const char* one, const char* many)
{
    return count == 1 ? tr(one) : tr(many).arg(count);
}

QString fruitName(std::int32_t row)
{
    return row == MelonRow ? tr("Melon") : row == AppleRow ? tr("Apple") : tr("Grape");
}

bool isLampEvent(SpinEventKind kind)
{
    return kind == SpinEventKind::AutomaticLoser || kind == SpinEventKind::DoublePayoff ||
           kind == SpinEventKind::FreeSpinLamp || kind == SpinEventKind::BonusPoolIncrease;
}

QString eventText(const SpinEvent& event)
{
    switch (event.kind) {
    case SpinEventKind::AutomaticLoser:
        return tr("Automatic Loser: the wheels were blanked.");
    case SpinEventKind::DoublePayoff:
        return tr("All winning lines were doubled.");
    case SpinEventKind::FreeSpinLamp:
        return tr("The FREE lamp gave 1 free spin.");
    case SpinEventKind::BonusPoolIncrease:
        return counted(event.value, "Bonus Pool increased by 1 credit.",
                       "Bonus Pool increased by %1 credits.");
    case SpinEventKind::BellLine:
        return tr("Bell line %1: one lightning bolt went out.").arg(event.value);
    case SpinEventKind::BellPoolWon:
        return tr("Won the Bell Pool worth %1.").arg(event.value);
    case SpinEventKind::FruitLine:
        return tr("%1 line: one %1 collected.").arg(fruitName(event.value));
    case SpinEventKind::FruitRefill:
        return counted(event.value, "All fruit collected: 1 free spin earned.",
                       "All fruit collected: %1 free spins earned.");
    }
    return {};
}

} // namespace

QString recallHeading(const SpinRecall& recall)
{
    const QString lines = counted(recall.linesPlayed, "1 line", "%1 lines");
    const QString coins = counted(recall.coinsPerLine, "1 coin", "%1 coins");
    if (recall.freeSpin)
        return tr("%1  Free spin: %2 x %3").arg(clockText(recall.clockValue), lines, coins);
    return tr("%1  Spin: %2 x %3, bet %4").arg(clockText(recall.clockValue), lines, coins).arg(recall.bet);
}

QStringList recallLines(const SpinRecall& recall)
{
    // The lamp acts before anything else; its effect, when it has one, completes the lamp's line.
    const bool lampActed = !recall.events.empty() && isLampEvent(recall.events.front().kind);
    QStringList lines{
        lampActed ? tr("Lamp %1 lit: %2").arg(recall.bonusLamp + 1).arg(eventText(recall.events.front()))
                  : tr("Lamp %1 lit.").arg(recall.bonusLamp + 1)};
    for (std::size_t i = lampActed ? 1 : 0; i < recall.events.size(); ++i)
        lines << eventText(recall.events[i]);
    for (int line = 0; line < PaylineCount; ++line)
        if (recall.linePays[line] > 0)
            lines << tr("Line %1 paid %2.").arg(line + 1).arg(recall.linePays[line]);
    if (recall.doubleOrNothingPlayed)
        lines << tr("Double or nothing: %1 became %2.")
                     .arg(recall.doubleOrNothingStake)
                     .arg(recall.doubleOrNothingResult);
    lines << tr("Won %1, credits after %2.").arg(recall.winnings).arg(recall.creditsAfter);
    return lines;
}

} // namespace zantaro
