// SPDX-License-Identifier: GPL-3.0-or-later
#include "card_words.h"

#include <array>

namespace zantaro {

namespace {

// By rank: card number mod 13, Ace first.
constexpr std::array<const char*, 13> RankNames{
    QT_TRANSLATE_NOOP("CardWords", "Ace"),   QT_TRANSLATE_NOOP("CardWords", "Two"),
    QT_TRANSLATE_NOOP("CardWords", "Three"), QT_TRANSLATE_NOOP("CardWords", "Four"),
    QT_TRANSLATE_NOOP("CardWords", "Five"),  QT_TRANSLATE_NOOP("CardWords", "Six"),
    QT_TRANSLATE_NOOP("CardWords", "Seven"), QT_TRANSLATE_NOOP("CardWords", "Eight"),
    QT_TRANSLATE_NOOP("CardWords", "Nine"),  QT_TRANSLATE_NOOP("CardWords", "Ten"),
    QT_TRANSLATE_NOOP("CardWords", "Jack"),  QT_TRANSLATE_NOOP("CardWords", "Queen"),
    QT_TRANSLATE_NOOP("CardWords", "King")};

// By suit: card number div 13.
constexpr std::array<const char*, 4> SuitNames{
    QT_TRANSLATE_NOOP("CardWords", "clubs"), QT_TRANSLATE_NOOP("CardWords", "hearts"),
    QT_TRANSLATE_NOOP("CardWords", "diamonds"), QT_TRANSLATE_NOOP("CardWords", "spades")};

} // namespace

QString CardWords::cardName(const CardSlot& card)
{
    if (card.cardNumber == JokerCard)
        return tr("Joker");
    return tr("%1 of %2")
        .arg(tr(RankNames[static_cast<std::size_t>(card.rank)]),
             tr(SuitNames[static_cast<std::size_t>(card.suit)]));
}

QString CardWords::slotName(int slot, const CardSlot& card)
{
    return card.faceUp ? cardName(card) : tr("Card %1, face down").arg(slot + 1);
}

QString CardWords::slotPlace(int slot)
{
    return tr("Row %1, column %2").arg(slot / TableColumns + 1).arg(slot % TableColumns + 1);
}

QString CardWords::turnOutcome(const CardSlot& card, std::int32_t winnings)
{
    const RankEffect effect = rankEffect(card.rank);
    const QString name = cardName(card);
    if (effect.losesAll)
        return tr("%1 loses all your winnings. Winnings: %2. The hand is over.").arg(name).arg(winnings);
    if (effect.divisor > 1)
        return tr("%1 loses half your winnings. Winnings: %2.").arg(name).arg(winnings);
    if (effect.multiplier == 1)
        return tr("%1 is a push. Winnings: %2.").arg(name).arg(winnings);
    return tr("%1 multiplies your winnings by %2. Winnings: %3.")
        .arg(name)
        .arg(effect.multiplier)
        .arg(winnings);
}

} // namespace zantaro
