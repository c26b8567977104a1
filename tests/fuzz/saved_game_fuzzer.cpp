// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the saved-game store: any file text reads as nine games with names and dates cut to size;
// the current game saved and read back is the same game; saving it leaves a named slot as it read
// before; and the game read plays a spin command to its end.
#include "fuzz_check.h"
#include "game/machine.h"
#include "game/saved_game_store.h"
#include "game/utf8_text.h"
#include "silent_host.h"
#include "support/memory_file_access.h"

namespace {

using namespace zantaro;

const std::string Path = "Zantaro.ini";
const CalendarDate Today{2031, 2, 28};

// The game as a file that holds nothing else: equal texts mean equal stored values.
std::string canonicalText(GameState state)
{
    testing::MemoryFileAccess files;
    SavedGameStore(files, Path).save(state, 0, state.gameName, Today);
    return files.files[Path];
}

// Reads every slot, the current game last, and checks that names and dates are cut to size.
void readAllSlots(SavedGameStore& store, GameState& state)
{
    for (int slot = 0; slot <= CurrentGameSlot; ++slot) {
        store.load(state, slot, Today);
        FUZZ_CHECK(leadingCharacters(state.gameName, MaxGameNameLength) == state.gameName);
        FUZZ_CHECK(leadingCharacters(state.gameDate, MaxGameDateLength) == state.gameDate);
    }
}

std::string slotText(SavedGameStore& store, int slot)
{
    GameState state = startupGameState();
    store.load(state, slot, Today);
    return canonicalText(state);
}

// A silent host whose clock moves on at every reseed, so that free-spin series end.
class SteppingHost : public simulator::SilentHost
{
public:
    std::int64_t millisecondsSinceMidnightUtc() override { return m_milliseconds++ % 86'400'000; }

private:
    std::int64_t m_milliseconds = 0;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    testing::MemoryFileAccess files;
    files.files[Path] = std::string(reinterpret_cast<const char*>(data), size);
    SavedGameStore store(files, Path);

    // One of the named slots, which saving the current game must leave as it was.
    const int namedSlot = static_cast<int>(size % CurrentGameSlot);
    const std::string namedBefore = slotText(store, namedSlot);

    GameState state = startupGameState();
    readAllSlots(store, state);
    store.save(state, CurrentGameSlot, "CurrentGame", Today);

    GameState reread = startupGameState();
    readAllSlots(store, reread);
    FUZZ_CHECK(reread.gameName == "CurrentGame");
    FUZZ_CHECK(reread.gameDate == Today.formatShort());
    state.gameName = reread.gameName;
    FUZZ_CHECK(canonicalText(reread) == canonicalText(state));
    FUZZ_CHECK(slotText(store, namedSlot) == namedBefore);

    // Instant payoff: counting off a hostile bell pool of two billion credits takes 86 million steps.
    reread.payMode = false;
    SteppingHost host;
    RandomGenerator random;
    Machine machine(reread, host, random);
    machine.requestSpin();
    machine.playOut();
    FUZZ_CHECK(reread.freeSpinsPending == 0 && !reread.freeSpinMode && !reread.spinning);
    return 0;
}
