// SPDX-License-Identifier: GPL-3.0-or-later
// CardWords: what the card table tells a screen reader - a slot's name by what the player knows
// of it, its place on the table, and what a turned card did to the winnings.
#pragma once

#include "game/card_table.h"

#include <QCoreApplication>
#include <QString>

namespace zantaro {

class CardWords
{
    Q_DECLARE_TR_FUNCTIONS(CardWords)

public:
    // "Card 3, face down" while the card is hidden, then the card: "Seven of clubs", "Joker".
    static QString slotName(int slot, const CardSlot& card);
    // "Row 1, column 3".
    static QString slotPlace(int slot);
    // The turned card, its effect and the winnings now: "Ace of clubs multiplies your winnings by 3.
    // Winnings: 120."
    static QString turnOutcome(const CardSlot& card, std::int32_t winnings);

private:
    static QString cardName(const CardSlot& card);
};

} // namespace zantaro
