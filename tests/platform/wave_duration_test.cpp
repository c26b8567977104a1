// SPDX-License-Identifier: GPL-3.0-or-later
// waveDuration on wave files built byte by byte: chunk walking, padding, byte order and refusals.
#include "platform/wave_duration.h"
#include "support/named_cases.h"

#include <cstdint>
#include <gtest/gtest.h>
#include <initializer_list>
#include <optional>
#include <string>

namespace zantaro::testing {
namespace {

using std::chrono::milliseconds;

std::string le32(std::uint32_t value)
{
    std::string bytes;
    for (int i = 0; i < 4; ++i)
        bytes += static_cast<char>((value >> (8 * i)) & 0xFFu);
    return bytes;
}

// A chunk whose header gives `claimedSize`, holding `body`, padded to an even length.
std::string chunk(const std::string& id, const std::string& body,
                  std::optional<std::uint32_t> claimedSize = {})
{
    std::string bytes = id + le32(claimedSize.value_or(static_cast<std::uint32_t>(body.size()))) + body;
    if (body.size() % 2 != 0)
        bytes += '\0';
    return bytes;
}

// A PCM format chunk for 16-bit stereo at `byteRate`.
std::string fmt(std::uint32_t byteRate)
{
    const std::string channels = std::string("\x02\x00", 2);
    const std::string blockAlign = std::string("\x04\x00", 2);
    const std::string bits = std::string("\x10\x00", 2);
    return chunk("fmt ", std::string("\x01\x00", 2) + channels + le32(byteRate / 4) + le32(byteRate) +
                             blockAlign + bits);
}

std::string riff(std::initializer_list<std::string> chunks, const std::string& form = "WAVE",
                 const std::string& magic = "RIFF")
{
    std::string body = form;
    for (const std::string& c : chunks)
        body += c;
    return magic + le32(static_cast<std::uint32_t>(body.size())) + body;
}

constexpr std::uint32_t CdRate = 176400; // 44.1 kHz, 16 bits, stereo
const std::string HalfSecond(CdRate / 2, '\x11');
const std::string OddList = chunk("LIST", "abc");

struct WaveCase : NamedCase
{
    std::string bytes;
    std::optional<milliseconds> duration;
};

class WaveDurationTest : public ::testing::TestWithParam<WaveCase>
{
};

TEST_P(WaveDurationTest, readsThePlayingTimeFromTheHeader)
{
    EXPECT_EQ(waveDuration(GetParam().bytes), GetParam().duration);
}

INSTANTIATE_TEST_SUITE_P(
    Files, WaveDurationTest,
    ::testing::Values(
        WaveCase{{"plainPcmIsDataSizeOverByteRate"},
                 riff({fmt(CdRate), chunk("data", HalfSecond)}),
                 milliseconds(500)},
        WaveCase{{"anOddChunkBeforeFmtIsSkippedWithItsPadByte"},
                 riff({OddList, fmt(CdRate), chunk("data", HalfSecond)}),
                 milliseconds(500)},
        WaveCase{{"anOddChunkBeforeDataIsSkippedWithItsPadByte"},
                 riff({fmt(CdRate), OddList, chunk("data", HalfSecond)}),
                 milliseconds(500)},
        WaveCase{{"sizesAreLittleEndian"},
                 riff({fmt(0x00010203), chunk("data", std::string(3 * 0x00010203, '\x11'))}),
                 milliseconds(3000)},
        WaveCase{{"dataClaimingMoreThanTheFileHoldsIsTimedByWhatItHolds"},
                 riff({fmt(CdRate), chunk("data", HalfSecond, 4 * CdRate)}),
                 milliseconds(500)},
        WaveCase{{"notRiff"}, riff({fmt(CdRate), chunk("data", HalfSecond)}, "WAVE", "RIFX"), std::nullopt},
        WaveCase{{"notWave"}, riff({fmt(CdRate), chunk("data", HalfSecond)}, "AVI "), std::nullopt},
        WaveCase{{"noFmtChunk"}, riff({OddList, chunk("data", HalfSecond)}), std::nullopt},
        WaveCase{{"zeroByteRate"}, riff({fmt(0), chunk("data", HalfSecond)}), std::nullopt},
        WaveCase{{"shorterThanARiffHeader"}, std::string("RIFF\x04\x00\x00", 7), std::nullopt}),
    caseName);

} // namespace
} // namespace zantaro::testing
