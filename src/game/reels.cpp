// SPDX-License-Identifier: GPL-3.0-or-later
#include "reels.h"

namespace zantaro {

const std::array<std::string_view, WheelCount> NormalStrips{
    "01122233344445557PPP", "0122223344555777LLLL", "011233344455557777LL",
    "01222233445557777LLL", "0112333444555577LLLL", "011222333444455577PP",
    "011222333444455577PP", "011222333444455577PP", "0122233445557777LLLL",
};

namespace {
constexpr std::string_view FreeStripA = "1111999880PPPPPPPPPP";
constexpr std::string_view FreeStripB = "1111999880LLLLLLLLLL";
constexpr std::string_view FreeStripC = "1119980PPPPPPPPPPPPP";
} // namespace

// Wheels 0, 2 and 7 get A; 1, 3, 5, 6 and 8 get B; the centre wheel gets C.
const std::array<std::string_view, WheelCount> FreeSpinStrips{
    FreeStripA, FreeStripB, FreeStripA, FreeStripB, FreeStripC,
    FreeStripB, FreeStripB, FreeStripA, FreeStripB,
};

Strip stripFromText(std::string_view text)
{
    Strip strip{};
    for (int position = 0; position < StripLength; ++position) {
        const char c = text[position];
        strip[position] = c == 'L'   ? std::uint8_t{BlankL}
                          : c == 'P' ? std::uint8_t{BlankP}
                                     : static_cast<std::uint8_t>(c - '0');
    }
    return strip;
}

namespace {

std::array<Strip, WheelCount> stripsFromTexts(const std::array<std::string_view, WheelCount>& texts)
{
    std::array<Strip, WheelCount> strips{};
    for (int wheel = 0; wheel < WheelCount; ++wheel)
        strips[wheel] = stripFromText(texts[wheel]);
    return strips;
}

} // namespace

// Every free-spin series loads one table and brings the other back, so each is read from its text
// once and copied from then on.
const std::array<Strip, WheelCount>& normalStrips()
{
    static const std::array<Strip, WheelCount> strips = stripsFromTexts(NormalStrips);
    return strips;
}

const std::array<Strip, WheelCount>& freeSpinStrips()
{
    static const std::array<Strip, WheelCount> strips = stripsFromTexts(FreeSpinStrips);
    return strips;
}

void buildNormalStrips(GameState& state)
{
    state.reelStrips = normalStrips();
}

void loadFreeSpinStrips(GameState& state)
{
    state.reelStrips = freeSpinStrips();
    state.savedWheelPos = state.wheelPos;
}

void drawStops(GameState& state, RandomGenerator& random, std::array<int, WheelCount>& motionOffsets)
{
    random.random(2);
    state.bonusLamp = static_cast<std::int32_t>(random.random(LampCount));
    for (int wheel = 0; wheel < WheelCount; ++wheel) {
        motionOffsets[wheel] = static_cast<int>(random.random(MotionStripRows));
        state.wheelPos[wheel] = static_cast<std::int32_t>(random.random(StripLength));
    }
}

} // namespace zantaro
