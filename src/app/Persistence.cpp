#include "app/Persistence.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cstdint>

#include "game/Rules.h"

namespace vortala {

namespace {

constexpr int kMinWindow = 320;
constexpr int kMaxWindow = 16384;

std::string Scramble(std::string_view in, int key, int multiplier, int increment, bool scrambling) {
    std::string out(in.size(), '\0');
    std::uint16_t k = static_cast<std::uint16_t>(key);
    for (std::size_t i = 0; i < in.size(); ++i) {
        const auto source = static_cast<unsigned char>(in[i]);
        const auto result = static_cast<unsigned char>(source ^ (k >> 8));
        out[i] = static_cast<char>(result);
        const unsigned chained = scrambling ? result : source;
        k = static_cast<std::uint16_t>((k + chained) * static_cast<unsigned>(multiplier) +
                                       static_cast<unsigned>(increment));
    }
    return out;
}

// The whole text as a decimal integer, or nothing.
std::optional<std::int64_t> ParseWhole(std::string_view text) {
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// Money as stored, capped like every sum: below 0 is 0, and a figure beyond the cap is the cap
// however many digits it has.
std::optional<Money> ParseMoney(std::string_view text) {
    std::int64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (end != text.data() + text.size() || text.empty()) return std::nullopt;
    if (error == std::errc::result_out_of_range) return text.front() == '-' ? 0 : kMoneyCap;
    if (error != std::errc()) return std::nullopt;
    return ClampMoney(value);
}

void ReadHelms(StoredStores& s, std::string_view record) {
    for (int field = 0; field < 6; ++field) {
        const std::size_t semicolon = field < 5 ? record.find(';') : std::string_view::npos;
        const std::string_view text = record.substr(0, semicolon);
        const int helm = field / 2;
        const auto value = field % 2 == 0 ? ParseMoney(text) : ParseWhole(text);
        if (!value) return;  // this field and the rest keep their starting values
        if (field % 2 == 0)
            s.helmBank[helm] = *value;
        else
            s.helmPosition[helm] = *value;
        if (semicolon == std::string_view::npos) return;
        record.remove_prefix(semicolon + 1);
    }
}

std::string ScrambledDecimal(Money m) {
    return ScrambleText(std::to_string(m), kScrambleConstant, kScrambleConstant, kScrambleConstant);
}

void Write01(SettingsAccess& store, std::string_view value, bool flag) {
    store.WriteInteger(kSettingsKey, kSettingsSection, value, flag ? 1 : 0);
}

void SaveOptions(const Settings& o, SettingsAccess& store) {
    if (!o.storeOptions) {
        Write01(store, "save", false);
        return;
    }
    Write01(store, "save", true);
    Write01(store, "sound", o.sounds);
    Write01(store, "exit1", o.offerNewGameOnExit);
    Write01(store, "lintr", o.transparentLines);
    Write01(store, "stopped", o.autoStop);
    store.WriteInteger(kSettingsKey, kSettingsSection, "stop", o.autoStopSeconds);
    store.WriteInteger(kSettingsKey, kSettingsSection, "speed", o.paintIntervalMs);
}

}  // namespace

Money StoredMoney(std::string_view text) {
    return ParseMoney(text).value_or(0);
}

std::string ScrambleText(std::string_view plain, int key, int multiplier, int increment) {
    return Scramble(plain, key, multiplier, increment, true);
}

std::string UnscrambleText(std::string_view scrambled, int key, int multiplier, int increment) {
    return Scramble(scrambled, key, multiplier, increment, false);
}

void RestoreMoney(GameState& g, const SettingsAccess& store) {
    RestoreStores(g, ReadStores(store, g));
}

StoredStores ReadStores(const SettingsAccess& store, const GameState& start) {
    const auto unscramble = [](const std::string& s) {
        return UnscrambleText(s, kScrambleConstant, kScrambleConstant, kScrambleConstant);
    };
    StoredStores s = CurrentStores(start);
    s.jackpot = StoredMoney(unscramble(store.ReadString(kSettingsKey, kSettingsSection, "val", "0")));
    const std::string helms = store.ReadString(kSettingsKey, kSettingsSection, "valb", "0");
    if (helms != "0") ReadHelms(s, unscramble(helms));
    s.coinPile = StoredMoney(store.ReadString(kSettingsKey, kSettingsSection, "coins", "0"));
    s.coinRounds = store.ReadInteger(kSettingsKey, kSettingsSection, "coinvol", 0);
    return s;
}

std::optional<WindowSize> StoredWindowSize(const SettingsAccess& store) {
    if (!store.ReadBool(kSettingsKey, kSettingsSection, "cb2", false)) return std::nullopt;
    WindowSize size;
    size.height =
        std::clamp(store.ReadInteger(kSettingsKey, kSettingsSection, "sizeH", 480), kMinWindow, kMaxWindow);
    size.width =
        std::clamp(store.ReadInteger(kSettingsKey, kSettingsSection, "sizeW", 640), kMinWindow, kMaxWindow);
    return size;
}

void RestoreOptions(Settings& o, const SettingsAccess& store) {
    const auto integer = [&store](std::string_view value, int def) {
        return store.ReadInteger(kSettingsKey, kSettingsSection, value, def);
    };
    if (integer("save", 0) == 1) o.storeOptions = true;
    if (!o.storeOptions) return;
    o.storeWindowSize = store.ReadBool(kSettingsKey, kSettingsSection, "cb2", false);
    o.sounds = integer("sound", 1) == 1;
    o.offerNewGameOnExit = integer("exit1", 1) == 1;
    o.transparentLines = integer("lintr", 1) == 1;
    // The controls' own ranges bound what a damaged store can set.
    o.autoStopSeconds = std::clamp(integer("stop", 1), 1, 9);
    o.paintIntervalMs = std::clamp(integer("speed", 30), 1, 50);
}

int StoredAutoStop(const SettingsAccess& store) {
    if (store.ReadInteger(kSettingsKey, kSettingsSection, "save", 0) != 1) return -1;
    // Only a stored 1 ticks the box; any other value clears it.
    return store.ReadInteger(kSettingsKey, kSettingsSection, "stopped", 0) == 1 ? 1 : 0;
}

void SaveAtClose(const GameState& g, const Settings& o, WindowSize size, SettingsAccess& store) {
    store.WriteBool(kSettingsKey, kSettingsSection, "cb2", o.storeWindowSize);
    if (o.storeWindowSize) {
        store.WriteInteger(kSettingsKey, kSettingsSection, "sizeH", size.height);
        store.WriteInteger(kSettingsKey, kSettingsSection, "sizeW", size.width);
    }
    SaveOptions(o, store);
    const StoredStores kept = CurrentStores(g);
    store.WriteString(kSettingsKey, kSettingsSection, "coins", std::to_string(kept.coinPile));
    store.WriteInteger(kSettingsKey, kSettingsSection, "coinvol", static_cast<int>(kept.coinRounds));
    store.WriteString(kSettingsKey, kSettingsSection, "val", ScrambledDecimal(kept.jackpot));
    std::string helms;
    for (int h = 0; h < 3; ++h) {
        if (h > 0) helms += ';';
        helms += std::to_string(kept.helmBank[h]) + ';' + std::to_string(kept.helmPosition[h]);
    }
    store.WriteString(kSettingsKey, kSettingsSection, "valb",
                      ScrambleText(helms, kScrambleConstant, kScrambleConstant, kScrambleConstant));
}

void SaveAtNewGame(const GameState& g, const Settings& o, SettingsAccess& store) {
    SaveOptions(o, store);
    store.WriteString(kSettingsKey, kSettingsSection, "val", ScrambledDecimal(g.Jackpot));
}

int NextGameNumber(int number) {
    return number >= 0 && number < INT_MAX ? number + 1 : 1;
}

int StartingGameNumber(const SettingsAccess& store) {
    return NextGameNumber(store.ReadInteger(kCounterKey, kSettingsSection, "num", 0));
}

void StoreGameNumber(int number, SettingsAccess& store) {
    store.WriteInteger(kCounterKey, kSettingsSection, "num", number);
}

std::uint64_t StoredJournalGame(const SettingsAccess& store) {
    const std::string text = store.ReadString(kSettingsKey, kSettingsSection, "jseq", "0");
    std::uint64_t seq = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seq);
    return error == std::errc() && end == text.data() + text.size() ? seq : 0;
}

void StoreJournalGame(std::uint64_t seq, SettingsAccess& store) {
    store.WriteString(kSettingsKey, kSettingsSection, "jseq", std::to_string(seq));
}

}  // namespace vortala
