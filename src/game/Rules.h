#pragma once
// Quick reference: every rule of the game as an operation on one GameState.
//
// Operations that play sounds, start timers, read options or need entropy also take the
// GameHost. Frame steps that depend on wall-clock time take the millisecond tick count from the
// caller; the rules never read a clock.
//
// Sections:
//   Generator ............ Random.cpp
//   Money and bets ....... Bets.cpp
//   Fortune .............. SpinFortune.cpp, BonusFortune.cpp
//   Arrangement .......... Arrangement.cpp, Wilds.cpp
//   Spin cycle ........... SpinCycle.cpp, Collect.cpp
//   Frame steps .......... FrameSteps.cpp
//   Risk game ............ Risk.cpp
//   Helms and barrels .... Helms.cpp, Barrels.cpp
//   Chests ............... Chests.cpp
//   Free games ........... FreeGames.cpp
//   Coin game ............ CoinGame.cpp
//   Ship voyage .......... Voyage.cpp
//   Player input ......... PlayerInput.cpp
#include <cstdint>

#include "GameHost.h"
#include "GameState.h"

namespace vortala {

// ---- Generator --------------------------------------------------------------------------
// seed = seed * 134775813 + 1 (mod 2^32); the draw is the high half of seed * n. Inline: the
// shuffle and the fortune's re-draws call it hundreds of times per stop key.
inline std::uint32_t Random(GameState& g, std::uint32_t n) {
    g.Seed = g.Seed * 134775813u + 1u;  // wraps modulo 2^32 by unsigned arithmetic
    return static_cast<std::uint32_t>((static_cast<std::uint64_t>(g.Seed) * n) >> 32);
}
void Randomize(GameState& g, GameHost& host);
// A game started from a chosen seed: the simulator's players and the journal's re-play.
inline void SeedGenerator(GameState& g, std::uint32_t seed) {
    g.Seed = seed;
}

// ---- Money and bets ---------------------------------------------------------------------
void RecomputeTotalBet(GameState& g);
void ChangeBets(GameState& g, GameHost& host);
void FitBetsToCredit(GameState& g, GameHost& host);
void TakeWin(GameState& g, GameHost& host);
void NewGame(GameState& g);
bool InsertCredit(GameState& g);  // one 100 note, while the credit allows
// What the money cap has cut off so far, its count started afresh. The count itself stops at the
// cap, so a player that goes on at the cap for a long time takes it game by game.
Money TakeMoneyCapped(GameState& g);

// ---- Fortune ----------------------------------------------------------------------------
void ApplySpinFortune(GameState& g, GameHost& host);
int EffectiveSpinFortune(const GameState& g);              // E of the spin rule, player-ahead rule applied
bool PlayerAhead(const GameState& g);                      // Credit above twice CreditInserted
void ApplyRiskFortune(GameState& g, int step, int guess);  // forces RiskCard[step] if it must
BarrelContents DrawBarrelContent(GameState& g);            // powder, empty or full
void FillChestValues(GameState& g, int chosen);            // chosen 0..4
void FillFreeGameValues(GameState& g);
int DrawCoinResult(GameState& g);                      // 0..100
const std::array<int, 3>& ChestTable(int trigger);     // multipliers for 3, 4, 5 chests, best first
const std::array<int, 6>& FreeGameTable(int trigger);  // free games for 3, 4, 5 galleons, best first

// ---- Arrangement ------------------------------------------------------------------------
void DrawArrangement(GameState& g);
void EvaluateArrangement(GameState& g, GameHost& host);
void SubstituteWilds(GameState& g, int line);             // line 0..14
bool IsCandidateLine(const std::array<Byte, kReels>& s);  // three equal through the middle reel
int LineRunLength(const std::array<Byte, kReels>& s);     // of a candidate: 3, 4 or 5
void ClearLineResults(GameState& g);                      // Multiplier, FreeGameMark, ChestMark of every line

// ---- Spin cycle -------------------------------------------------------------------------
void PrepareSpinKey(GameState& g, GameHost& host);
bool CanStartSpin(const GameState& g);
void StartSpin(GameState& g, GameHost& host);
void StopSpin(GameState& g, GameHost& host);
void ResetAfterBetChange(GameState& g, GameHost& host);
void StepReelStart(GameState& g, GameHost& host);
void StepReelMotion(GameState& g, std::uint32_t nowMs);
void StepStopSequence(GameState& g, GameHost& host);
// The start and the stop sequence run to their ends in one go: their frame steps with no time
// between them, for players that skip the animation (the simulator's fast path).
void RunReelStart(GameState& g, GameHost& host);
void BeginStopSequence(GameState& g);  // the first reel stops; the rest follow frame by frame
void RunStopSequence(GameState& g, GameHost& host);
// All five reels told to stop, reels 1 to 4 within their last two turns and reel 5 within 20: the
// win frames show from here, and with a win the collection runs.
bool ReelsWithinStopLimits(const GameState& g);
bool CollectionDue(const GameState& g);  // the frame's condition for CollectIfSettled
void CollectIfSettled(GameState& g, GameHost& host);
void Collect(GameState& g, GameHost& host);
bool CollectionPending(const GameState& g);  // HasWin set but Collect has not run yet
void ArmBonusChooser(GameState& g, GameHost& host);
void ChooseBonusScreen(GameState& g, GameHost& host);
void StepPanel(GameState& g);
// The panel stands at its home height over the reels (it leaves it for the bonus screens).
inline bool PanelInPlace(const GameState& g) {
    return g.PanelY > 148.0f;
}
// A reel turning fast enough to be drawn as a blurred cylinder instead of its faces.
inline bool ReelBlurred(const GameState& g, int reel) {
    return g.ReelTurns[reel] > 28;
}
bool AnyBonusScreen(const GameState& g);
// The game's money has settled: the reels stand, no screen is up or due, no win waits to be
// collected, gambled or taken. The next thing that can happen is the player's next spin.
bool GameSettled(const GameState& g);

// ---- Frame steps that change state ------------------------------------------------------
void UnfoldReels(GameState& g, std::uint32_t nowMs);
void JitterBlurredReels(GameState& g, GameHost& host);  // the drawn reels' blur step
void StepWallClockCounters(GameState& g, std::uint32_t nowMs);
void StepWildAnimation(GameState& g);
void StepPinWobble(GameState& g);
void RefreshReelFaces(GameState& g);

// ---- Risk game --------------------------------------------------------------------------
void Guess(GameState& g, GameHost& host, int colour);  // 1 red, 2 black
void DealCard(GameState& g, GameHost& host);
void StepRiskCard(GameState& g, GameHost& host);
void EndRisk(GameState& g, GameHost& host);
void OpenRiskScreen(GameState& g);  // every path that shows the risk screen

// ---- Helms and the barrel bonus ---------------------------------------------------------
int HelmAngleOfPosition(int position);
void StepHelms(GameState& g);
bool CanOpenBarrel(const GameState& g);
void OpenBarrel(GameState& g, GameHost& host);
enum class BarrelMove : std::uint8_t { Left, Right, Down };  // the arrow keys on the barrel screen
void MoveBarrelChoice(GameState& g, BarrelMove move);
void PressBarrelSpace(GameState& g, GameHost& host);  // opens, or puts a torch out, or "blast"
void EndBarrels(GameState& g, GameHost& host);
void StepExplosion(GameState& g);
void CheckHelm3Completion(GameState& g);

// ---- Treasure chests --------------------------------------------------------------------
void PickChest(GameState& g, GameHost& host, int chest);  // chest 0..4
void OpenChests(GameState& g, GameHost& host);
void RevealChests(GameState& g, GameHost& host);
void EndChests(GameState& g, GameHost& host);

// ---- Free games -------------------------------------------------------------------------
void PickFreeGames(GameState& g, GameHost& host, int item);  // item 0..5
void AwardFreeGames(GameState& g, GameHost& host);
void EndFreeGames(GameState& g, GameHost& host);

// ---- Coin game --------------------------------------------------------------------------
void ThrowCoin(GameState& g, GameHost& host);
void StepCoin(GameState& g, GameHost& host);
void EndCoinGame(GameState& g, GameHost& host);

// ---- Ship voyage ------------------------------------------------------------------------
void SpinArrow(GameState& g, GameHost& host);
void StepArrow(GameState& g);
void CheckArrow(GameState& g, GameHost& host);
void StepShip(GameState& g, GameHost& host);
void EndVoyage(GameState& g, GameHost& host);
int ArrowSector(int angle);  // steps 1..4 for a final arrow angle
bool IsReefSquare(int square);

// ---- Player input -----------------------------------------------------------------------
// What keys, clicks and typed codes change; the machine maps each key or zone to one of these.
void ArmHelp(GameState& g);
void DismissHelp(GameState& g);
void DismissIntro(GameState& g);
void SkipOpening(GameState& g);  // where the machine stands once its opening reels have unfolded
void ShowCredits(GameState& g, bool shown);
void HighlightAllLines(GameState& g, bool on);
void HighlightLine(GameState& g, int line);  // line 0..14
void HoverBarrel(GameState& g, int choice);  // 1..3 a barrel, 4 and 5 the torches
void EndLineShow(GameState& g);              // the win lines' view ends
void SetSpinKeyArmed(GameState& g, bool armed);
void ReleaseSpinKey(GameState& g);
void StopReelsByKey(GameState& g);  // Space while the reels run: the stop sequence, input locked
void UnlockInput(GameState& g);
void LeaveScreensOnFreeKey(GameState& g);  // any key released while input is free
// One line's bet up or down by delta; false (nothing changed) past 0..99.
bool ChangeLineBet(GameState& g, GameHost& host, int line, int delta);
void RaiseAllLines(GameState& g, GameHost& host);
void LowerAllLines(GameState& g, GameHost& host);
void MaximumStake(GameState& g, GameHost& host);
void MinimumStake(GameState& g, GameHost& host);
void SetEveryLineBet(GameState& g, GameHost& host, int bet);  // then fitted as ChangeBets does
void ApplyFortune(GameState& g, int spin, int risk, int bonus);
void SetBonusOncePerGame(GameState& g, bool once);
void StartFrameClock(GameState& g, std::uint32_t nowMs);
void ToggleTestArrangement(GameState& g);
void ForceTestArrangement(GameState& g);
void TypedCoinPile(GameState& g, GameHost& host);
void TypedFreeGames(GameState& g, GameHost& host);
void TypedHelmToggle(GameState& g, GameHost& host);
void TypedCredit(GameState& g, GameHost& host);

// ---- Stores kept between runs -----------------------------------------------------------
constexpr int kMaxCoinRounds = 4;
struct StoredStores {
    std::int64_t jackpot = 0;
    std::array<std::int64_t, 3> helmBank{};
    std::array<std::int64_t, 3> helmPosition{1, 1, 1};
    std::int64_t coinPile = 0;
    std::int64_t coinRounds = 0;
};
// Puts stored values in place, each checked: money capped and never negative, a helm position
// outside 1..10 back to 1 (its bank kept), coin rounds within 0..4.
void RestoreStores(GameState& g, const StoredStores& stores);
StoredStores CurrentStores(const GameState& g);

}  // namespace vortala
