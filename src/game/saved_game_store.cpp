// SPDX-License-Identifier: GPL-3.0-or-later
#include "saved_game_store.h"

#include "ini_document.h"
#include "utf8_text.h"

#include <algorithm>
#include <array>

namespace zantaro {

namespace {

// The keys after GameName and GameDate, in the order they are written and read, with what a slot
// that lacks them reads as: the values of a fresh game.
struct IntegerKey
{
    const char* name;
    std::int32_t GameState::*field;
    std::int32_t fallback;
};

constexpr std::array<IntegerKey, 20> IntegerKeys{{
    {"Credits", &GameState::credits, 1000},
    {"Borrowed", &GameState::borrowed, 1000},
    {"Melons", &GameState::melons, 1},
    {"Apples", &GameState::apples, 2},
    {"Grapes", &GameState::grapes, 3},
    {"Lightning", &GameState::lightning, 3},
    {"BellPool", &GameState::bellPool, 100},
    {"Spins", &GameState::spins, 0},
    {"LinesPlayed", &GameState::linesPlayed, 8},
    {"CoinsPerLine", &GameState::coinsPerLine, 1},
    {"BellPoolWon", &GameState::bellPoolWon, 0},
    {"CherryRollsWon", &GameState::cherryRollsWon, 0},
    {"DoubleOrNothingWon", &GameState::doubleOrNothingWon, 0},
    {"BarRollWon", &GameState::barRollWon, 0},
    {"NumberOfCherryRolls", &GameState::numberOfCherryRolls, 0},
    {"NumberOfBarRolls", &GameState::numberOfBarRolls, 0},
    {"GotBonusCount", &GameState::gotBonusCount, 0},
    {"SevensWon", &GameState::sevensWon, 0},
    {"FruitWon", &GameState::fruitWon, 0},
    {"TotalBets", &GameState::totalBets, 0},
}};

// The options; an absent one reads as on.
struct FlagKey
{
    const char* name;
    bool GameState::*field;
};

constexpr std::array<FlagKey, 5> FlagKeys{{
    {"Sound", &GameState::sound},
    {"Double", &GameState::doubleOn},
    {"PayMode", &GameState::payMode},
    {"AutoSave", &GameState::autoSave},
    {"BonusGame", &GameState::bonusGame},
}};

void writeSlot(IniDocument& document, const std::string& section, const GameState& state,
               std::string_view name, const CalendarDate& today)
{
    document.setValue(section, "GameName", name);
    document.setValue(section, "GameDate", today.formatShort());
    for (const IntegerKey& key : IntegerKeys)
        document.setInteger(section, key.name, state.*key.field);
    for (const FlagKey& key : FlagKeys)
        document.setFlag(section, key.name, state.*key.field);
}

std::string cutText(const std::optional<std::string>& stored, const std::string& fallback,
                    std::size_t maxLength)
{
    return std::string(leadingCharacters(stored ? *stored : fallback, maxLength));
}

void readSlot(const IniDocument& document, const std::string& section, GameState& state,
              const CalendarDate& today)
{
    state.gameName = cutText(document.value(section, "GameName"), section, MaxGameNameLength);
    state.gameDate = cutText(document.value(section, "GameDate"), today.formatShort(), MaxGameDateLength);
    for (const IntegerKey& key : IntegerKeys)
        state.*key.field = document.integer(section, key.name, key.fallback);
    for (const FlagKey& key : FlagKeys)
        state.*key.field = document.flag(section, key.name);
    // A hand-edited slot may hold any bet; the game only plays what its adjusters can reach.
    state.linesPlayed = std::clamp(state.linesPlayed, 0, MaxBetFactor);
    state.coinsPerLine = std::clamp(state.coinsPerLine, 0, MaxBetFactor);
}

} // namespace

SaveFileError::SaveFileError(const std::string& path)
    : std::runtime_error("Unable to write to " + path), m_path(path)
{
}

SavedGameStore::SavedGameStore(TextFileAccess& files, std::string path)
    : m_files(files), m_path(std::move(path))
{
}

std::string SavedGameStore::sectionName(int slot)
{
    return slot == CurrentGameSlot ? std::string(RunningGameName) : "GameNo" + std::to_string(slot + 1);
}

void SavedGameStore::save(const GameState& state, int slot, std::string_view name, const CalendarDate& today)
{
    IniDocument document(m_files.read(m_path).value_or(std::string()));
    // All 27 keys go into the text first and the file is replaced once, so a failed write leaves
    // the previous file whole instead of a slot that is half old and half new.
    writeSlot(document, sectionName(slot), state, name, today);
    if (!m_files.replace(m_path, document.text()))
        throw SaveFileError(m_path);
}

void SavedGameStore::load(GameState& state, int slot, const CalendarDate& today)
{
    const IniDocument document(m_files.read(m_path).value_or(std::string()));
    readSlot(document, sectionName(slot), state, today);
}

bool sameProgress(const GameState& a, const GameState& b)
{
    return std::all_of(IntegerKeys.begin(), IntegerKeys.end(), [&](const IntegerKey& key) {
        const bool bet = key.field == &GameState::linesPlayed || key.field == &GameState::coinsPerLine;
        return bet || a.*key.field == b.*key.field;
    });
}

} // namespace zantaro
