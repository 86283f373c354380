#pragma once
// GameState: every value the rules read or write, for one machine.
//
// Several independent instances may exist at once (tests, the multi-threaded simulator); the app
// owns exactly one. Field names are the game's own vocabulary and are used unchanged by the input
// handlers, the frame and the renderer. Widths follow the stored meaning: Flag and Byte are one
// byte, counters 32-bit, floats single precision (several animations rely on float rounding),
// and all money 64-bit (see Money.h).
//
// Arrays are 0-based: where the game counts lines, reels, cards, chests, items or barrels from 1,
// entry k - 1 holds item k.
#include <array>
#include <cstddef>
#include <cstdint>

#include "FieldCount.h"
#include "Money.h"
#include "Symbols.h"

namespace vortala {

using Flag = std::uint8_t;
using Byte = std::uint8_t;

// What a barrel of the barrel bonus holds (BarrelContent).
enum BarrelContents : Byte { kPowderBarrel = 0, kEmptyBarrel = 1, kFullBarrel = 2, kExplodedBarrel = 3 };

struct LineResultRecord {
    std::int32_t FreeGameMark = 0;  // 0, 3, 33 or 333
    std::int32_t Multiplier = 0;
    std::int32_t WildCount = 0;  // 0..5
    std::int32_t ChestMark = 0;  // 0, 7, 77 or 777
    Flag CoinLine = 0;
};

struct ChestSlot {
    std::int32_t ChestValue = 0;
    Flag ChestChosen = 0;
    Flag ChestOpen = 0;
};

struct FreeGameSlot {
    std::int32_t FreeGameValue = 0;
    Flag FreeGameChosen = 0;
};

struct GameState {
    // ---- Generator ------------------------------------------------------------------------
    std::uint32_t Seed = 0;

    // ---- Money ----------------------------------------------------------------------------
    Money Credit = 0;
    Money CreditInserted = 0;
    std::array<std::int32_t, kLines> LineBet{};
    Money TotalBet = 0;
    Money Win = 0;
    Money Jackpot = 0;
    Money CoinPile = 0;
    Byte CoinRounds = 0;
    Byte FreeGames = 0;
    // Money the cap of 2^60 has cut off since the machine started: a credit, win, bank, pile or
    // jackpot that would have passed the cap holds the cap, and the rest is counted here.
    Money MoneyCapped = 0;

    // ---- Fortune settings -----------------------------------------------------------------
    std::int32_t FortuneSpin = 0;
    std::int32_t FortuneRisk = 0;
    std::int32_t FortuneBonus = 0;
    std::int32_t FortuneRiskNow = 0;
    Flag FortuneActive = 1;

    // ---- Reels and evaluation -------------------------------------------------------------
    std::array<std::array<std::int32_t, kDrumPositions>, kReels> ReelStrip{};
    std::array<std::array<Byte, kReels>, kLines> LineSymbols{};
    std::array<LineResultRecord, kLines> LineResult{};
    Flag HasWin = 0;
    std::int32_t ScatterCount = 0;
    Money WildLineWin = 0;
    Flag ScatterWon = 0;
    Flag WildLineWon = 0;
    std::array<Flag, kVisibleCells> ScatterMark{};  // index = row * 5 + reel, row 0 on top
    std::array<Flag, kLines> WildLineMark{};
    std::array<Flag, kLines> LineHighlight{};
    Flag ForcedArrangement = 0;  // test mode: chest, coin and galleon rows
    // A scripted arrangement for the next draw (top, middle, bottom rows of reels 1..5); one use.
    std::array<std::array<Byte, kReels>, 3> PresetRows{};
    Flag PresetPending = 0;
    Flag PresetDrawn = 0;                 // the current arrangement came from PresetRows
    std::uint64_t ArrangementsDrawn = 0;  // statistics: every draw, fortune re-draws included
    // Picture on each drum face: a symbol 0..10, or a wild animation frame (see Symbols.h).
    std::array<std::array<Byte, kDrumPositions>, kReels> ReelFaceTexture{};

    // ---- Helms and the barrel bonus -------------------------------------------------------
    std::array<std::int32_t, 3> HelmPosition{1, 1, 1};
    std::array<std::int32_t, 3> HelmAngle{72, 72, 72};
    std::array<Money, 3> HelmBank{};
    std::array<Flag, 3> HelmTurning{};
    Flag RiskLadderWon = 0;
    Byte HelmLastBeforeBonus = 9;
    Flag BarrelBonusDue = 0;
    Flag BarrelScreen = 0;
    Flag BarrelOpened = 0;
    Flag BarrelExploded = 0;
    Byte BarrelChoice = 0;                // 0 none, 1..3 a barrel, 4 left torch, 5 right torch
    std::array<Byte, 3> BarrelContent{};  // 0 powder, 1 empty, 2 full, 3 exploded
    Byte OtherBarrelA = 0;
    Byte OtherBarrelB = 0;
    float ExplosionX = 0.0f;
    float ExplosionY = 0.0f;
    Byte ExplosionFrame = 0;  // 0..64
    Byte TorchFlameLeft = 1;  // 0 = put out, else flame picture 1..4
    Byte TorchFlameRight = 2;

    // ---- Risk game ------------------------------------------------------------------------
    Byte RiskStep = 0;                // cards played, 0..7
    std::array<Byte, 7> RiskGuess{};  // 0 none, 1 red, 2 black
    std::array<Byte, 7> RiskCard{};   // 0 none, 1 red, 2 black
    std::array<Flag, 7> RiskCardShown{};
    std::array<Flag, 7> RiskVerdictPending{1, 1, 1, 1, 1, 1, 1};
    float RiskFlip = 0.001f;
    Flag RiskScreen = 0;
    Flag RiskLocked = 0;
    Flag LineWinPending = 0;

    // ---- Treasure chests ------------------------------------------------------------------
    Byte ChestTrigger = 0;  // 0, 3, 4 or 5
    Flag ChestScreen = 0;
    Flag ChestPicked = 0;
    Flag ChestResultShown = 0;
    std::array<ChestSlot, 5> Chests{};

    // ---- Free games -----------------------------------------------------------------------
    Byte FreeGameTrigger = 0;  // 0, 3, 4 or 5
    Flag FreeGameScreen = 0;
    Flag FreeGamePicked = 0;
    Flag FreeGameAwarded = 0;
    std::array<FreeGameSlot, 6> FreeGameItems{};

    // ---- Coin game ------------------------------------------------------------------------
    Flag CoinGameDue = 0;
    Flag CoinScreen = 0;
    Flag CoinThrown = 0;
    Flag CoinSettled = 0;
    Flag CoinRoundCounted = 0;
    Byte CoinMultiplier = 0;  // 0, 2, 5 or 10
    float CoinSpin = 0.1f;
    float CoinAngle = 108.0f;
    float CoinDrift = 0.1f;
    float CoinStopAngle = 0.0f;

    // ---- Ship voyage ----------------------------------------------------------------------
    Flag SuperBonusDue = 0;
    Flag SuperBonusScreen = 0;
    Flag ArrowSpinning = 0;
    Flag ShipSunk = 0;
    Byte ShipSquare = 0;
    Byte ShipTarget = 0;
    Byte ShipSteps = 0;
    std::int32_t ArrowAngle = 25;
    std::int32_t ArrowSpeed = 0;
    std::int32_t PinWobble = 8;

    // ---- Phase and screen flags -----------------------------------------------------------
    Flag ReelsAtRest = 1;
    Flag SpinKeyDown = 0;
    Flag IntroRunning = 1;
    Flag ReelsInView = 0;
    Flag WinShown = 0;
    Flag InputLocked = 0;
    Flag ReelsSpinning = 0;
    Flag ReelsStarting = 0;
    Flag IntroShown = 1;
    Flag BonusHandled = 0;
    Flag BonusChooserArmed = 1;
    Flag LinesShowing = 0;
    std::array<Flag, 2> ReelsStopping{0, 1};  // [0] stop sequence running, [1] spin key armed
    std::array<Flag, kReels> ReelStopped{};
    std::int32_t StopTick = 0;
    std::array<Flag, 6> ReelStopSoundDue{};
    float PanelY = 150.0f;
    float PanelStep = 0.05f;
    Flag AutoStopThisSpin = 0;    // the auto-stop box as it stood when this spin started
    Flag AwaitingCollection = 0;  // a winning result stands but has not been collected yet

    // ---- Reel animation -------------------------------------------------------------------
    std::array<std::int32_t, kReels> ReelTurns{100, 100, 100, 100, 100};
    std::array<float, kReels> ReelSpeed{};
    std::array<float, kReels> ReelAngle{108.0f, 72.0f, 36.0f, 0.0f, 144.0f};
    std::array<float, kReels> ReelAccel{};
    std::int32_t StartTicks = 0;
    std::uint32_t LastTick = 0;
    float ReelRadius = 0.0f;
    float UnfoldStep = 0.001f;
    std::uint32_t LastUnfoldTick = 0;

    // ---- Screen counters and key-side state -----------------------------------------------
    Byte HelpArmed = 0;
    Byte CreditsShown = 0;
    Byte StatusBlinkPhase = 0;
    std::int32_t FlareTick = 0;
    Byte FlareFrame = 0;
    std::uint32_t LastBlinkTick = 0;
    std::uint32_t LastFlickerTick = 0;
    std::uint32_t LastExplosionTick = 0;
    std::int32_t WildAnimationCounter = 0;
};

// Every field of GameState, in declaration order: the one list that the script language's
// `set`, `expect` and `dump`, and the JSON of the state, are built from. A field added to the
// struct and not here stops the build (the count below).
// clang-format off
#define VORTALA_GAME_STATE_FIELDS(X)                                                                 \
    X(Seed) X(Credit) X(CreditInserted) X(LineBet) X(TotalBet) X(Win) X(Jackpot) X(CoinPile)         \
    X(CoinRounds) X(FreeGames) X(MoneyCapped) X(FortuneSpin) X(FortuneRisk) X(FortuneBonus) X(FortuneRiskNow)       \
    X(FortuneActive) X(ReelStrip) X(LineSymbols) X(LineResult) X(HasWin) X(ScatterCount)             \
    X(WildLineWin) X(ScatterWon) X(WildLineWon) X(ScatterMark) X(WildLineMark) X(LineHighlight)      \
    X(ForcedArrangement) X(PresetRows) X(PresetPending) X(PresetDrawn) X(ArrangementsDrawn)          \
    X(ReelFaceTexture) X(HelmPosition) X(HelmAngle) X(HelmBank) X(HelmTurning) X(RiskLadderWon)      \
    X(HelmLastBeforeBonus) X(BarrelBonusDue) X(BarrelScreen) X(BarrelOpened) X(BarrelExploded)       \
    X(BarrelChoice) X(BarrelContent) X(OtherBarrelA) X(OtherBarrelB) X(ExplosionX) X(ExplosionY)     \
    X(ExplosionFrame) X(TorchFlameLeft) X(TorchFlameRight) X(RiskStep) X(RiskGuess) X(RiskCard)      \
    X(RiskCardShown) X(RiskVerdictPending) X(RiskFlip) X(RiskScreen) X(RiskLocked) X(LineWinPending) \
    X(ChestTrigger) X(ChestScreen) X(ChestPicked) X(ChestResultShown) X(Chests) X(FreeGameTrigger)   \
    X(FreeGameScreen) X(FreeGamePicked) X(FreeGameAwarded) X(FreeGameItems) X(CoinGameDue)           \
    X(CoinScreen) X(CoinThrown) X(CoinSettled) X(CoinRoundCounted) X(CoinMultiplier) X(CoinSpin)     \
    X(CoinAngle) X(CoinDrift) X(CoinStopAngle) X(SuperBonusDue) X(SuperBonusScreen) X(ArrowSpinning) \
    X(ShipSunk) X(ShipSquare) X(ShipTarget) X(ShipSteps) X(ArrowAngle) X(ArrowSpeed) X(PinWobble)    \
    X(ReelsAtRest) X(SpinKeyDown) X(IntroRunning) X(ReelsInView) X(WinShown) X(InputLocked)          \
    X(ReelsSpinning) X(ReelsStarting) X(IntroShown) X(BonusHandled) X(BonusChooserArmed)             \
    X(LinesShowing) X(ReelsStopping) X(ReelStopped) X(StopTick) X(ReelStopSoundDue) X(PanelY)        \
    X(PanelStep) X(AutoStopThisSpin) X(AwaitingCollection) X(ReelTurns) X(ReelSpeed) X(ReelAngle)    \
    X(ReelAccel) X(StartTicks) X(LastTick) X(ReelRadius) X(UnfoldStep) X(LastUnfoldTick)             \
    X(HelpArmed) X(CreditsShown) X(StatusBlinkPhase) X(FlareTick) X(FlareFrame) X(LastBlinkTick)     \
    X(LastFlickerTick) X(LastExplosionTick) X(WildAnimationCounter)
// clang-format on

namespace detail {
#define VORTALA_COUNT_FIELD(name) +1
constexpr std::size_t kListedStateFields = 0 VORTALA_GAME_STATE_FIELDS(VORTALA_COUNT_FIELD);
#undef VORTALA_COUNT_FIELD
}  // namespace detail
static_assert(AggregateFieldCount<GameState>() == detail::kListedStateFields,
              "every GameState field is listed in VORTALA_GAME_STATE_FIELDS");

}  // namespace vortala
