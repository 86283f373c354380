#pragma once
// What the game keeps between runs: the options, the window size, the jackpot, the helm banks,
// the coin pile and the game number, as values of the settings store. Money values are stored
// scrambled so they are not edited by hand too easily. Every value is checked when it is loaded:
// a damaged store gives defaults, never a crash or an impossible state.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "app/Settings.h"
#include "app/SettingsAccess.h"
#include "game/Rules.h"

namespace vortala {

inline constexpr std::string_view kSettingsKey = "Software\\Orvexa\\Vortala";
inline constexpr std::string_view kCounterKey = "Software\\Orvex";
inline constexpr std::string_view kSettingsSection = "vortala3";
// Starting key, multiplier and increment of every scramble; stored values depend on it.
inline constexpr int kScrambleConstant = 173;

// Byte-wise XOR with a 16-bit chained key; both directions chain on the scrambled bytes, so
// UnscrambleText with the same numbers restores the plain text. Any byte value, any length.
std::string ScrambleText(std::string_view plain, int key, int multiplier, int increment);
std::string UnscrambleText(std::string_view scrambled, int key, int multiplier, int increment);

struct WindowSize {
    int width = 640;
    int height = 480;
};

// Money as stored: unreadable or negative is 0; beyond the money cap (however many digits) is the
// cap.
Money StoredMoney(std::string_view text);

// Jackpot ("val"), helms ("valb"), coin pile and coin stacks as stored; what is missing keeps the
// value it has in `start`.
StoredStores ReadStores(const SettingsAccess& store, const GameState& start);
// ReadStores put in place by the rules (which check each value).
void RestoreMoney(GameState& g, const SettingsAccess& store);
// The stored window size when "Store window size" was on, within sane bounds.
std::optional<WindowSize> StoredWindowSize(const SettingsAccess& store);
// The options as the dialog reads them when it is created (fortune bars are never stored).
void RestoreOptions(Settings& options, const SettingsAccess& store);
// The stored auto-stop choice when options were stored (1 only for a stored 1), else -1.
int StoredAutoStop(const SettingsAccess& store);

// The save at window close; size is the window's outer size.
void SaveAtClose(const GameState& g, const Settings& options, WindowSize size, SettingsAccess& store);
// The save when the player starts a new game from the exit dialog: options and jackpot only.
void SaveAtNewGame(const GameState& g, const Settings& options, SettingsAccess& store);

// The game number of this run: the stored one plus one, restarting at 1 where it would overflow
// or when the stored one is damaged.
int StartingGameNumber(const SettingsAccess& store);
int NextGameNumber(int number);
void StoreGameNumber(int number, SettingsAccess& store);
// The journal's number of the last game whose stores were stored with it (0: none, or damaged).
// A journal further on holds stores that a kill kept from being stored.
std::uint64_t StoredJournalGame(const SettingsAccess& store);
void StoreJournalGame(std::uint64_t seq, SettingsAccess& store);

}  // namespace vortala
