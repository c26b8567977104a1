// SPDX-License-Identifier: GPL-3.0-or-later
#include "message.h"

#include "game_state.h"
#include "number_formats.h"

#include <array>

namespace zantaro {

namespace {

struct MessageText
{
    const char* source;
    MessageNumbers numbers;
};

// In the order of MessageId.
constexpr std::array<MessageText, 11> Texts{{
    {ZANTARO_TRANSLATE_NOOP("Message", "You must place a bet first."), MessageNumbers::Plain},
    // The comma is the message's own: the bet was refused mid-sentence.
    {ZANTARO_TRANSLATE_NOOP("Message", "You do not have enough credits for that bet,"),
     MessageNumbers::Plain},
    {ZANTARO_TRANSLATE_NOOP("Message",
                            "You cannot borrow that much: the game cannot hold more than %1 credits."),
     MessageNumbers::Grouped},
    {ZANTARO_TRANSLATE_NOOP("Message", "You do not have %1 credits!"), MessageNumbers::TwoDecimals},
    {ZANTARO_TRANSLATE_NOOP("Message", "You cannot pay back more credits than you have borrowed!"),
     MessageNumbers::Plain},
    {ZANTARO_TRANSLATE_NOOP("Message", "Automatic Loser"), MessageNumbers::Plain},
    {ZANTARO_TRANSLATE_NOOP("Message", "Bonus Pool increased by %1 credits."), MessageNumbers::Plain},
    {ZANTARO_TRANSLATE_NOOP("Message", "All Winnings Lines are Doubled."), MessageNumbers::Plain},
    {ZANTARO_TRANSLATE_NOOP("Message", "Line %1 paid %2."), MessageNumbers::Plain},
    {ZANTARO_TRANSLATE_NOOP("Message", "Won the Bell Pool Worth %1"), MessageNumbers::Plain},
    {ZANTARO_TRANSLATE_NOOP("Message", "There were no winning lines on the last spin."),
     MessageNumbers::Plain},
}};

std::string englishNumber(std::int64_t value, MessageNumbers style)
{
    switch (style) {
    case MessageNumbers::Grouped:
        return groupedNumber(value, 0);
    case MessageNumbers::TwoDecimals:
        return fixedPoint(static_cast<double>(value), 7, 2);
    case MessageNumbers::Plain:
        break;
    }
    return std::string(DecimalText(value).view());
}

void replace(std::string& text, std::string_view marker, const std::string& with)
{
    if (const std::size_t at = text.find(marker); at != std::string::npos)
        text.replace(at, marker.size(), with);
}

} // namespace

const char* messageSource(MessageId id)
{
    return Texts[static_cast<std::size_t>(id)].source;
}

MessageNumbers numberStyle(MessageId id)
{
    return Texts[static_cast<std::size_t>(id)].numbers;
}

std::string englishText(const Message& message)
{
    std::string text = messageSource(message.id);
    replace(text, "%1", englishNumber(message.first, numberStyle(message.id)));
    replace(text, "%2", englishNumber(message.second, numberStyle(message.id)));
    return text;
}

std::string englishText(const SpinReport& report)
{
    std::string text;
    for (const Message& line : report) {
        appendCapped(text, englishText(line));
        if (endsReportLine(line.id))
            appendCapped(text, "\r\n");
    }
    return text;
}

} // namespace zantaro
