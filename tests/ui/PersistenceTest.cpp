#include <climits>

#include "UiTestSupport.h"
#include "app/Persistence.h"

namespace vortala {
namespace {

using testing::TempHome;

std::string Scrambled(std::string_view text) {
    return ScrambleText(text, kScrambleConstant, kScrambleConstant, kScrambleConstant);
}

TEST(Scrambler, RoundTripsEveryByteValueAtEveryLength) {
    for (int length = 0; length <= 255; ++length) {
        std::string plain(length, '\0');
        for (int i = 0; i < length; ++i) plain[i] = static_cast<char>((i * 37 + length) & 0xFF);
        const std::string scrambled = Scrambled(plain);
        ASSERT_EQ(scrambled.size(), plain.size());
        EXPECT_EQ(UnscrambleText(scrambled, kScrambleConstant, kScrambleConstant, kScrambleConstant), plain);
    }
    for (int byte = 0; byte < 256; ++byte) {
        const std::string one(1, static_cast<char>(byte));
        EXPECT_EQ(UnscrambleText(Scrambled(one), kScrambleConstant, kScrambleConstant, kScrambleConstant),
                  one);
    }
    EXPECT_EQ(Scrambled(""), "");
    EXPECT_NE(Scrambled("12345"), "12345");
    // Another constant does not read back.
    EXPECT_NE(UnscrambleText(Scrambled("123456"), 17, 17, 17), "123456");
}

TEST_F(TempHome, FirstRunGivesTheStartingValues) {
    GameState g;
    Settings o;
    SettingsStore store = Store();
    RestoreMoney(g, store);
    RestoreOptions(o, store);
    EXPECT_EQ(g.Jackpot, 0);
    EXPECT_EQ(g.HelmPosition, (std::array<std::int32_t, 3>{1, 1, 1}));
    EXPECT_EQ(g.CoinPile, 0);
    EXPECT_EQ(g.CoinRounds, 0);
    EXPECT_FALSE(StoredWindowSize(store));
    EXPECT_EQ(StoredAutoStop(store), -1);
    EXPECT_TRUE(o.offerNewGameOnExit);  // "On exit offer to play again" reads as on when nothing is stored
    EXPECT_EQ(o.autoStopSeconds, 1);
    EXPECT_EQ(o.paintIntervalMs, 30);
}

TEST_F(TempHome, SaveAtCloseRestoresOnTheNextRun) {
    GameState g;
    g.Jackpot = 123456789012LL;
    g.HelmBank = {150, 0, 9999};
    g.HelmPosition = {3, 10, 7};
    g.CoinPile = 4200;
    g.CoinRounds = 3;
    Settings o;
    o.storeWindowSize = true;
    o.autoStop = true;
    o.sounds = false;
    o.transparentLines = false;
    o.autoStopSeconds = 6;
    o.paintIntervalMs = 12;
    o.fortuneSpin = 55;
    {
        SettingsStore store = Store();
        SaveAtClose(g, o, {900, 675}, store);
        ASSERT_TRUE(store.Save());
    }
    GameState next;
    Settings read;
    const SettingsStore store = Store();
    RestoreMoney(next, store);
    RestoreOptions(read, store);
    EXPECT_EQ(next.Jackpot, g.Jackpot);
    EXPECT_EQ(next.HelmBank, g.HelmBank);
    EXPECT_EQ(next.HelmPosition, g.HelmPosition);
    EXPECT_EQ(next.HelmAngle[1], HelmAngleOfPosition(10));
    EXPECT_EQ(next.CoinPile, 4200);
    EXPECT_EQ(next.CoinRounds, 3);
    ASSERT_TRUE(StoredWindowSize(store));
    EXPECT_EQ(StoredWindowSize(store)->width, 900);
    EXPECT_EQ(StoredAutoStop(store), 1);
    EXPECT_FALSE(read.sounds);
    EXPECT_FALSE(read.transparentLines);
    EXPECT_EQ(read.autoStopSeconds, 6);
    EXPECT_EQ(read.paintIntervalMs, 12);
    EXPECT_EQ(read.fortuneSpin, -1);  // fortunes are never stored
    // The money values are not stored as plain text.
    EXPECT_EQ(ReadText(SettingsStore::DefaultPath()).find("123456789012"), std::string::npos);
}

TEST_F(TempHome, StoreOptionsOffWritesOnlyTheSwitch) {
    Settings o;
    o.paintIntervalMs = 7;
    {
        SettingsStore store = Store();
        SaveAtClose(GameState{}, o, {}, store);
        ASSERT_TRUE(store.Save());
    }
    o.storeOptions = false;
    o.paintIntervalMs = 44;
    {
        SettingsStore store = Store();
        SaveAtClose(GameState{}, o, {}, store);
        ASSERT_TRUE(store.Save());
    }
    const SettingsStore store = Store();
    EXPECT_EQ(store.ReadInteger(kSettingsKey, kSettingsSection, "save", -1), 0);
    EXPECT_EQ(store.ReadInteger(kSettingsKey, kSettingsSection, "speed", -1), 7);
    EXPECT_EQ(StoredAutoStop(store), -1);
}

TEST_F(TempHome, DamagedValuesGiveSafeDefaults) {
    SettingsStore store = Store();
    const auto put = [&store](std::string_view value, std::string_view text) {
        store.WriteString(kSettingsKey, kSettingsSection, value, text);
    };
    put("val", Scrambled("-500"));
    put("coins", "lots");
    put("coinvol", "9");
    put("speed", "5000");
    put("stop", "-3");
    GameState g;
    RestoreMoney(g, store);
    EXPECT_EQ(g.Jackpot, 0);
    EXPECT_EQ(g.CoinPile, 0);
    EXPECT_EQ(g.CoinRounds, 4);

    // Third field not a number: helm 1 restored, the rest keep their starting values.
    put("valb", Scrambled("300;4;x;5;7;8"));
    GameState partial;
    RestoreMoney(partial, store);
    EXPECT_EQ(partial.HelmBank, (std::array<Money, 3>{300, 0, 0}));
    EXPECT_EQ(partial.HelmPosition, (std::array<std::int32_t, 3>{4, 1, 1}));

    // Positions outside 1..10 reset to 1 with the bank kept; a negative bank becomes 0.
    put("valb", Scrambled("10;0;-20;11;30;10"));
    GameState clamped;
    RestoreMoney(clamped, store);
    EXPECT_EQ(clamped.HelmBank, (std::array<Money, 3>{10, 0, 30}));
    EXPECT_EQ(clamped.HelmPosition, (std::array<std::int32_t, 3>{1, 1, 10}));
    EXPECT_EQ(clamped.HelmAngle[0], HelmAngleOfPosition(1));

    // Figures beyond the money cap are the cap however many digits they have, and far below 0 is 0.
    put("val", Scrambled("100000000000000000000000"));
    put("valb", Scrambled("1000000000000000000000000000;2;5;3;-99999999999999999999999;4"));
    GameState huge;
    RestoreMoney(huge, store);
    EXPECT_EQ(huge.Jackpot, kMoneyCap);
    EXPECT_EQ(huge.HelmBank, (std::array<Money, 3>{kMoneyCap, 5, 0}));
    EXPECT_EQ(huge.HelmPosition, (std::array<std::int32_t, 3>{2, 3, 4}));

    Settings o;
    RestoreOptions(o, store);
    EXPECT_EQ(o.paintIntervalMs, 50);
    EXPECT_EQ(o.autoStopSeconds, 1);
}

TEST_F(TempHome, OnlyAStoredOneTicksAutoStop) {
    SettingsStore store = Store();
    store.WriteInteger(kSettingsKey, kSettingsSection, "save", 1);
    const std::pair<int, int> cases[] = {{0, 0}, {1, 1}, {2, 0}, {-1, 0}};
    for (auto [stored, ticked] : cases) {
        store.WriteInteger(kSettingsKey, kSettingsSection, "stopped", stored);
        EXPECT_EQ(StoredAutoStop(store), ticked) << "stopped=" << stored;
    }
}

TEST_F(TempHome, GameNumberCountsRunsAndRestartsWhereItWouldOverflow) {
    SettingsStore store = Store();
    EXPECT_EQ(StartingGameNumber(store), 1);
    StoreGameNumber(41, store);
    EXPECT_EQ(StartingGameNumber(store), 42);
    StoreGameNumber(INT_MAX, store);
    EXPECT_EQ(StartingGameNumber(store), 1);
    store.WriteString(kCounterKey, kSettingsSection, "num", "-4");
    EXPECT_EQ(StartingGameNumber(store), 1);
    store.WriteString(kCounterKey, kSettingsSection, "num", "garbage");
    EXPECT_EQ(StartingGameNumber(store), 1);
    EXPECT_EQ(NextGameNumber(INT_MAX), 1);
}

}  // namespace
}  // namespace vortala
