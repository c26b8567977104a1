// SPDX-License-Identifier: GPL-3.0-or-later
#include "recall_text.h"

#include "game/paytable.h"

#include <QCoreApplication>

namespace zantaro {

namespace {

// The translation context of the recall's words; the translation tools read it from this class.
struct RecallText
{
    Q_DECLARE_TR_FUNCTIONS(RecallText)
};

QString clockText(std::int64_t millisecondsSinceMidnight)
{
    const int seconds = static_cast<int>((millisecondsSinceMidnight / 1000) % 86400);
    return RecallText::tr("%1:%2:%3 UTC")
        .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

// One or many: the two forms every language of the game has, each a text of its own.
QString counted(std::int64_t count, const char* one, const char* many)
{
    return count == 1 ? RecallText::tr(one) : RecallText::tr(many).arg(count);
}

QString fruitName(std::int32_t row)
{
    return row == MelonRow   ? RecallText::tr("Melon")
           : row == AppleRow ? RecallText::tr("Apple")
                             : RecallText::tr("Grape");
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
        return RecallText::tr("Automatic Loser: the wheels were blanked.");
    case SpinEventKind::DoublePayoff:
        return RecallText::tr("All winning lines were doubled.");
    case SpinEventKind::FreeSpinLamp:
        return RecallText::tr("The FREE lamp gave 1 free spin.");
    case SpinEventKind::BonusPoolIncrease:
        return counted(event.value, QT_TRANSLATE_NOOP("RecallText", "Bonus Pool increased by 1 credit."),
                       QT_TRANSLATE_NOOP("RecallText", "Bonus Pool increased by %1 credits."));
    case SpinEventKind::BellLine:
        return RecallText::tr("Bell line %1: one lightning bolt went out.").arg(event.value);
    case SpinEventKind::BellPoolWon:
        return RecallText::tr("Won the Bell Pool worth %1.").arg(event.value);
    case SpinEventKind::FruitLine:
        return RecallText::tr("%1 line: one %1 collected.").arg(fruitName(event.value));
    case SpinEventKind::FruitRefill:
        return counted(event.value,
                       QT_TRANSLATE_NOOP("RecallText", "All fruit collected: 1 free spin earned."),
                       QT_TRANSLATE_NOOP("RecallText", "All fruit collected: %1 free spins earned."));
    }
    return {};
}

} // namespace

QString recallHeading(const SpinRecall& recall)
{
    const QString lines = counted(recall.linesPlayed, QT_TRANSLATE_NOOP("RecallText", "1 line"),
                                  QT_TRANSLATE_NOOP("RecallText", "%1 lines"));
    const QString coins = counted(recall.coinsPerLine, QT_TRANSLATE_NOOP("RecallText", "1 coin"),
                                  QT_TRANSLATE_NOOP("RecallText", "%1 coins"));
    if (recall.freeSpin)
        return RecallText::tr("%1  Free spin: %2 x %3").arg(clockText(recall.clockValue), lines, coins);
    return RecallText::tr("%1  Spin: %2 x %3, bet %4")
        .arg(clockText(recall.clockValue), lines, coins)
        .arg(recall.bet);
}

QStringList recallLines(const SpinRecall& recall)
{
    // The lamp acts before anything else; its effect, when it has one, completes the lamp's line.
    const bool lampActed = !recall.events.empty() && isLampEvent(recall.events.front().kind);
    QStringList lines{lampActed ? RecallText::tr("Lamp %1 lit: %2")
                                      .arg(recall.bonusLamp + 1)
                                      .arg(eventText(recall.events.front()))
                                : RecallText::tr("Lamp %1 lit.").arg(recall.bonusLamp + 1)};
    for (std::size_t i = lampActed ? 1 : 0; i < recall.events.size(); ++i)
        lines << eventText(recall.events[i]);
    for (int line = 0; line < PaylineCount; ++line)
        if (recall.linePays[line] > 0)
            lines << RecallText::tr("Line %1 paid %2.").arg(line + 1).arg(recall.linePays[line]);
    if (recall.doubleOrNothingPlayed)
        lines << RecallText::tr("Double or nothing: %1 became %2.")
                     .arg(recall.doubleOrNothingStake)
                     .arg(recall.doubleOrNothingResult);
    lines << RecallText::tr("Won %1, credits after %2.").arg(recall.winnings).arg(recall.creditsAfter);
    return lines;
}

} // namespace zantaro
