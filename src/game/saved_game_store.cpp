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
    {"Credits", &GameState::Credits, 1000},
    {"Borrowed", &GameState::Borrowed, 1000},
    {"Melons", &GameState::Melons, 1},
    {"Apples", &GameState::Apples, 2},
    {"Grapes", &GameState::Grapes, 3},
    {"Lightning", &GameState::Lightning, 3},
    {"BellPool", &GameState::BellPool, 100},
    {"Spins", &GameState::Spins, 0},
    {"LinesPlayed", &GameState::LinesPlayed, 8},
    {"CoinsPerLine", &GameState::CoinsPerLine, 1},
    {"BellPoolWon", &GameState::BellPoolWon, 0},
    {"CherryRollsWon", &GameState::CherryRollsWon, 0},
    {"DoubleOrNothingWon", &GameState::DoubleOrNothingWon, 0},
    {"BarRollWon", &GameState::BarRollWon, 0},
    {"NumberOfCherryRolls", &GameState::NumberOfCherryRolls, 0},
    {"NumberOfBarRolls", &GameState::NumberOfBarRolls, 0},
    {"GotBonusCount", &GameState::GotBonusCount, 0},
    {"SevensWon", &GameState::SevensWon, 0},
    {"FruitWon", &GameState::FruitWon, 0},
    {"TotalBets", &GameState::TotalBets, 0},
}};

// The options; an absent one reads as on.
struct FlagKey
{
    const char* name;
    bool GameState::*field;
};

constexpr std::array<FlagKey, 5> FlagKeys{{
    {"Sound", &GameState::Sound},
    {"Double", &GameState::Double},
    {"PayMode", &GameState::PayMode},
    {"AutoSave", &GameState::AutoSave},
    {"BonusGame", &GameState::BonusGame},
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
    state.GameName = cutText(document.value(section, "GameName"), section, MaxGameNameLength);
    state.GameDate = cutText(document.value(section, "GameDate"), today.formatShort(), MaxGameDateLength);
    for (const IntegerKey& key : IntegerKeys)
        state.*key.field = document.integer(section, key.name, key.fallback);
    for (const FlagKey& key : FlagKeys)
        state.*key.field = document.flag(section, key.name);
    // A hand-edited slot may hold any bet; the game only plays what its adjusters can reach.
    state.LinesPlayed = std::clamp(state.LinesPlayed, 0, MaxBetFactor);
    state.CoinsPerLine = std::clamp(state.CoinsPerLine, 0, MaxBetFactor);
}

} // namespace

SaveFileError::SaveFileError(const std::string& path) : std::runtime_error("Unable to write to " + path) {}

SavedGameStore::SavedGameStore(TextFileAccess& files, std::string path)
    : m_files(files), m_path(std::move(path))
{
}

std::string SavedGameStore::sectionName(int slot)
{
    return slot == CurrentGameSlot ? std::string("CurrentGame") : "GameNo" + std::to_string(slot + 1);
}

void SavedGameStore::SaveLoadGame(GameState& state, int slot, bool save, std::string_view name,
                                  const CalendarDate& today)
{
    const std::string section = sectionName(slot);
    IniDocument document(m_files.read(m_path).value_or(std::string()));
    if (!save) {
        readSlot(document, section, state, today);
        return;
    }
    // All 27 keys go into the text first and the file is replaced once, so a failed write leaves
    // the previous file whole instead of a slot that is half old and half new.
    writeSlot(document, section, state, name, today);
    if (!m_files.replace(m_path, document.text()))
        throw SaveFileError(m_path);
}

} // namespace zantaro
