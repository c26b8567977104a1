// SPDX-License-Identifier: GPL-3.0-or-later
#include "spin_recall_text.h"

#include "number_formats.h"
#include "paytable.h"

namespace zantaro {

namespace {

std::string number(std::int64_t value)
{
    return std::string(DecimalText(value).view());
}

std::string clockText(std::int64_t millisecondsSinceMidnight)
{
    const int seconds = static_cast<int>((millisecondsSinceMidnight / 1000) % 86400);
    std::string text;
    appendDigits(text, seconds / 3600, 2);
    text += ':';
    appendDigits(text, seconds / 60 % 60, 2);
    text += ':';
    appendDigits(text, seconds % 60, 2);
    return text + " UTC";
}

std::string plural(std::int64_t count, const char* word)
{
    return number(count) + " " + word + (count == 1 ? "" : "s");
}

const char* fruitName(std::int32_t row)
{
    return row == MelonRow ? "Melon" : row == AppleRow ? "Apple" : "Grape";
}

bool isLampEvent(SpinEventKind kind)
{
    return kind == SpinEventKind::AutomaticLoser || kind == SpinEventKind::DoublePayoff ||
           kind == SpinEventKind::FreeSpinLamp || kind == SpinEventKind::BonusPoolIncrease;
}

std::string eventText(const SpinEvent& event)
{
    switch (event.kind) {
    case SpinEventKind::AutomaticLoser:
        return "Automatic Loser: the wheels were blanked.";
    case SpinEventKind::DoublePayoff:
        return "All winning lines were doubled.";
    case SpinEventKind::FreeSpinLamp:
        return "The FREE lamp gave 1 free spin.";
    case SpinEventKind::BonusPoolIncrease:
        return "Bonus Pool increased by " + plural(event.value, "credit") + ".";
    case SpinEventKind::BellLine:
        return "Bell line " + number(event.value) + ": one lightning bolt went out.";
    case SpinEventKind::BellPoolWon:
        return "Won the Bell Pool worth " + number(event.value) + ".";
    case SpinEventKind::FruitLine:
        return std::string(fruitName(event.value)) + " line: one " + fruitName(event.value) + " collected.";
    case SpinEventKind::FruitRefill:
        return "All fruit collected: " + plural(event.value, "free spin") + " earned.";
    }
    return {};
}

} // namespace

std::string recallHeading(const SpinRecall& recall)
{
    std::string heading = clockText(recall.clockValue) + (recall.freeSpin ? "  Free spin: " : "  Spin: ") +
                          plural(recall.linesPlayed, "line") + " x " + plural(recall.coinsPerLine, "coin");
    if (!recall.freeSpin)
        heading += ", bet " + number(recall.bet);
    return heading;
}

std::vector<std::string> recallLines(const SpinRecall& recall)
{
    // The lamp acts before anything else; its effect, when it has one, completes the lamp's line.
    const bool lampActed = !recall.events.empty() && isLampEvent(recall.events.front().kind);
    std::vector<std::string> lines{"Lamp " + number(recall.bonusLamp + 1) + " lit" +
                                   (lampActed ? ": " + eventText(recall.events.front()) : ".")};
    for (std::size_t i = lampActed ? 1 : 0; i < recall.events.size(); ++i)
        lines.push_back(eventText(recall.events[i]));
    for (int line = 0; line < PaylineCount; ++line)
        if (recall.linePays[line] > 0)
            lines.push_back("Line " + number(line + 1) + " paid " + number(recall.linePays[line]) + ".");
    if (recall.doubleOrNothingPlayed)
        lines.push_back("Double or nothing: " + number(recall.doubleOrNothingStake) + " became " +
                        number(recall.doubleOrNothingResult) + ".");
    lines.push_back("Won " + number(recall.winnings) + ", credits after " + number(recall.creditsAfter) +
                    ".");
    return lines;
}

} // namespace zantaro
