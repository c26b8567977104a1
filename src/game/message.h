// SPDX-License-Identifier: GPL-3.0-or-later
// Message: what the rules tell the player - a refusal, a line of the spin report - as an id with
// its numbers. The rules never word it: each id has an English source text with %1 and %2 for its
// numbers, which the view translates into the player's language and fills in.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Marks a source text for the translation tools without Qt: they read it as QT_TRANSLATE_NOOP.
#define ZANTARO_TRANSLATE_NOOP(context, text) text

namespace zantaro {

enum class MessageId : std::uint8_t
{
    PlaceBetFirst,
    CreditsTooFewForBet,
    BorrowTooMuch,  // %1: the most credits the game can hold
    CreditsMissing, // %1: the credits asked for
    PayBackTooMuch,
    // The lines of the spin report, as "Summary" shows them.
    AutomaticLoser,
    BonusPoolIncreased, // %1: credits
    LinesDoubled,
    LinePaid,    // %1: the line, %2: its pay
    BellPoolWon, // %1: credits
    NoWinningLines,
};

struct Message
{
    MessageId id;
    std::int64_t first = 0;
    std::int64_t second = 0;

    bool operator==(const Message&) const = default;
};

// The lines of the last spin's report, in the order they happened.
using SpinReport = std::vector<Message>;

// The translation context of every message's source text.
inline constexpr const char* MessageContext = "Message";

// The English source text, with %1 and %2 where the numbers go.
const char* messageSource(MessageId id);

// How a number of the message is written in English: "1234", "1,234" or "1234.00".
enum class MessageNumbers : std::uint8_t
{
    Plain,
    Grouped,
    TwoDecimals,
};
MessageNumbers numberStyle(MessageId id);

// Whether the report ends this line with CR LF: every line does but the one that stands alone.
inline bool endsReportLine(MessageId id)
{
    return id != MessageId::NoWinningLines;
}

// The message in English, its numbers written as numberStyle says: for the simulator's records
// and for tests; the window shows the translated text.
std::string englishText(const Message& message);
// The report's lines in English, each ended by CR LF and the whole cut to MaxReportLength.
std::string englishText(const SpinReport& report);

} // namespace zantaro
