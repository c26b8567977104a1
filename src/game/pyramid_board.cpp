// SPDX-License-Identifier: GPL-3.0-or-later
#include "pyramid_board.h"

#include "message.h"
#include "timings.h"

#include <utility>

namespace zantaro {

namespace {

// The labels by square before the shuffle: one of each multiplier, two hints, three harmless
// squares and seven losing ones.
constexpr std::array<std::string_view, SquareCount> UnshuffledLabels{
    "2X",      "3X",      "5X",      HintLabel, HintLabel, TryAgainLabel, TryAgainLabel, TryAgainLabel,
    LoseLabel, LoseLabel, LoseLabel, LoseLabel, LoseLabel, LoseLabel,     LoseLabel};

constexpr int ShufflePasses = 1001;
constexpr int PyramidLeft = 361; // square 0, at the top
constexpr int PyramidTop = 52;

} // namespace

SquarePosition squarePosition(int square)
{
    int row = 0;
    while (square >= (row + 1) * (row + 2) / 2)
        ++row;
    const int place = square - row * (row + 1) / 2;
    // Each row is one square wider than the one above it and centred under it.
    const int rowLeft = PyramidLeft - row * SquareSize / 2;
    return {rowLeft + place * SquareSize, PyramidTop + row * SquareSize};
}

std::int32_t labelMultiplier(std::string_view label)
{
    if (label.size() == 2 && label[1] == 'X' && label[0] >= '2' && label[0] <= '9')
        return label[0] - '0';
    return 0;
}

PyramidBoard::PyramidBoard(GameContext& context) : m_context(context), m_round(context.state)
{
    m_context.reseed();
    m_labels = UnshuffledLabels;
    shuffle();
    writeHints();
}

void PyramidBoard::shuffle()
{
    for (int pass = 0; pass < ShufflePasses; ++pass) {
        for (std::size_t square = 0; square < m_labels.size(); ++square)
            std::swap(m_labels[square], m_labels[m_context.random.random(SquareCount)]);
    }
}

void PyramidBoard::writeHints()
{
    int fiveNumber = 0; // the number shown on the "5X" square
    for (int square = 0; square < SquareCount; ++square) {
        if (label(square) == "5X")
            fiveNumber = square + 1;
        else if (label(square) == HintLabel)
            (m_firstHintSquare < 0 ? m_firstHintSquare : m_secondHintSquare) = square;
    }
    // Whole sentences, so that a translation words each as its language needs.
    m_firstHintText = fiveNumber % 2 == 1
                          ? ZANTARO_TRANSLATE_NOOP(
                                "PyramidHint", "The 5X symbol is behind a square with an odd number on it.")
                          : ZANTARO_TRANSLATE_NOOP(
                                "PyramidHint", "The 5X symbol is behind a square with an even number on it.");
    m_secondHintText =
        fiveNumber < 7
            ? ZANTARO_TRANSLATE_NOOP("PyramidHint",
                                     "The 5X symbol is behind a square with a number less than or "
                                     "equal to 7 on it.")
            : ZANTARO_TRANSLATE_NOOP("PyramidHint", "The 5X symbol is behind a square with a number "
                                                    "greater than or equal to 7 on it.");
}

void PyramidBoard::open(int square, PyramidView& view)
{
    if (opening() || m_context.state.winnings <= 0 || opened(square))
        return;
    m_stage = Stage::CueHold;
    m_openingSquare = square;
    m_opened[index(square)] = true;
    view.showSquare(square);
    m_hold = applyLabel(square);
    if (m_hold <= std::chrono::milliseconds{0})
        finishHold(view);
}

void PyramidBoard::finishHold(PyramidView& view)
{
    m_hold = std::chrono::milliseconds{0};
    if (m_stage == Stage::CueHold)
        showLabel(view);
    else if (m_stage == Stage::LossPause)
        showEverySquare(view);
}

void PyramidBoard::finishAtOnce(PyramidView& view)
{
    while (m_stage == Stage::CueHold || m_stage == Stage::LossPause)
        finishHold(view);
}

void PyramidBoard::hintRead()
{
    if (m_stage == Stage::HintShown)
        m_stage = Stage::Idle;
}

void PyramidBoard::showLabel(PyramidView& view)
{
    view.showWinnings();
    m_labelShown[index(m_openingSquare)] = true;
    view.showSquare(m_openingSquare);
    if (label(m_openingSquare) != LoseLabel) {
        offerHint(view);
        return;
    }
    m_stage = Stage::LossPause;
    m_hold = timings::GameLossPause;
}

void PyramidBoard::showEverySquare(PyramidView& view)
{
    for (int other = 0; other < SquareCount; ++other) {
        m_opened[index(other)] = true;
        m_labelShown[index(other)] = true;
        view.showSquare(other);
    }
    offerHint(view);
}

void PyramidBoard::offerHint(PyramidView& view)
{
    const std::string* hint = m_openingSquare == m_firstHintSquare    ? &m_firstHintText
                              : m_openingSquare == m_secondHintSquare ? &m_secondHintText
                                                                      : nullptr;
    if (hint == nullptr) {
        m_stage = Stage::Idle;
        return;
    }
    m_stage = Stage::HintShown;
    view.showHint(*hint);
}

std::chrono::milliseconds PyramidBoard::applyLabel(int square)
{
    const std::string_view text = label(square);
    if (text == LoseLabel) {
        m_round.loseWinnings();
        return m_context.startCue(SoundCue::Loss);
    }
    if (text == HintLabel)
        return m_context.startCue(SoundCue::Award);
    if (text == TryAgainLabel)
        return m_context.startCue(SoundCue::Neutral);
    m_round.scaleWinnings(labelMultiplier(text));
    return m_context.startCue(SoundCue::Win);
}

} // namespace zantaro
