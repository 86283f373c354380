// The barrel bonus: one of three barrels is opened. A full one pays the banks of the helms that
// completed their circle in this game, an empty one pays nothing, and powder empties those banks.
#include "ScreenFlow.h"

namespace vortala {

namespace {

constexpr int kExplosionFrames = 64;
constexpr int kExplosionCoversBarrels = 16;

// Where the blast is drawn for barrels 1..3.
constexpr float kExplosionX[3] = {43.3f, 45.3f, 47.0f};
constexpr float kExplosionY[3] = {45.5f, 46.0f, 45.5f};

// A helm fed in this game that has just come round to position 1 (any position in test mode).
bool HelmCameRoundThisGame(const GameState& g, int h) {
    const Flag fed[3] = {g.ScatterWon, g.WildLineWon, g.RiskLadderWon};
    if (!fed[h]) return false;
    return g.HelmLastBeforeBonus == 0 ? g.HelmPosition[h] > 0 : g.HelmPosition[h] == 1;
}

void Explode(GameState& g, GameHost& host, int c) {
    host.PlaySound(Cue::PowderBarrel, false);
    g.BarrelExploded = 1;
    g.ExplosionX = kExplosionX[c - 1];
    g.ExplosionY = kExplosionY[c - 1];
    g.BarrelContent[c - 1] = kExplodedBarrel;
    // The other two barrels turn out to be one empty and one full, in random order.
    const bool b = Random(g, 2) == 1;
    g.OtherBarrelA = b ? 2 : 1;
    g.OtherBarrelB = b ? 1 : 2;
    for (int h = 0; h < 3; ++h)
        if (HelmCameRoundThisGame(g, h)) g.HelmBank[h] = 0;
}

void PayCompletedBanks(GameState& g, GameHost& host) {
    host.PlaySound(Cue::FullBarrel, false);
    for (int h = 0; h < 3; ++h) {
        if (!HelmCameRoundThisGame(g, h)) continue;
        g.Win = AddMoney(g.Win, g.HelmBank[h], g.MoneyCapped);
        g.HelmBank[h] = 0;
        g.LineWinPending = 1;  // the risk game follows
    }
}

}  // namespace

bool CanOpenBarrel(const GameState& g) {
    // While a completing helm still turns it is not yet at position 1 and would not count.
    for (Flag turning : g.HelmTurning)
        if (turning) return false;
    return g.BarrelScreen && !g.BarrelOpened && g.BarrelChoice >= 1 && g.BarrelChoice <= 3;
}

void OpenBarrel(GameState& g, GameHost& host) {
    if (!CanOpenBarrel(g)) return;
    const int c = g.BarrelChoice;
    g.BarrelOpened = 1;
    const BarrelContents content = DrawBarrelContent(g);
    g.BarrelContent[c - 1] = content;
    if (content == kPowderBarrel)
        Explode(g, host, c);
    else if (content == kFullBarrel)
        PayCompletedBanks(g, host);
    else
        host.PlaySound(Cue::EmptyBarrel, false);
    host.StartTimer(PhaseTimer::BarrelsEnd);
}

void MoveBarrelChoice(GameState& g, BarrelMove move) {
    if (!g.BarrelScreen || g.BarrelOpened || g.BarrelChoice > 5) return;
    // Indexed by the current choice 0..5.
    static constexpr Byte kLeft[6] = {1, 3, 1, 2, 3, 4};
    static constexpr Byte kRight[6] = {1, 2, 3, 1, 1, 1};
    if (move == BarrelMove::Left)
        g.BarrelChoice = kLeft[g.BarrelChoice];
    else if (move == BarrelMove::Right)
        g.BarrelChoice = kRight[g.BarrelChoice];
    else if (move == BarrelMove::Down && g.BarrelChoice == 0)
        g.BarrelChoice = 2;
}

void PressBarrelSpace(GameState& g, GameHost& host) {
    if (!g.BarrelScreen || g.BarrelOpened) return;
    switch (g.BarrelChoice) {
        case 1:
        case 2:
        case 3:
            OpenBarrel(g, host);
            return;
        case 4:
            g.TorchFlameLeft = 0;
            break;
        case 5:
            g.TorchFlameRight = 0;
            break;
        case 0:
            break;
        default:
            return;
    }
    host.PlaySound(Cue::Blast, false);
}

void EndBarrels(GameState& g, GameHost& host) {
    g.ForcedArrangement = 0;
    g.BarrelContent.fill(0);
    g.BarrelChoice = 0;
    g.BarrelBonusDue = 0;
    g.BarrelExploded = 0;
    g.BarrelOpened = 0;
    g.BarrelScreen = 0;
    g.BonusHandled = 0;
    g.ExplosionFrame = 0;
    g.TorchFlameLeft = 1;
    g.TorchFlameRight = 1;

    bool opened = true;
    if (g.CoinGameDue)
        g.CoinScreen = 1;
    else if (g.LineWinPending && g.Win > 0)
        OpenRiskScreen(g);
    else
        opened = OpenPendingScreen(g, host);
    // Nothing to show next: never leave input locked behind an empty screen.
    if (!opened) ReturnToReels(g);
}

void StepExplosion(GameState& g) {
    if (g.BarrelExploded && ++g.ExplosionFrame > kExplosionFrames) {
        g.ExplosionFrame = 1;
        g.BarrelExploded = 0;
    }
    if (g.ExplosionFrame <= kExplosionCoversBarrels) return;
    // Once the blast covers the row, the unopened barrels show what they held.
    switch (g.BarrelChoice) {
        case 1:
            g.TorchFlameLeft = 0;
            g.BarrelContent[1] = g.OtherBarrelA;
            g.BarrelContent[2] = g.OtherBarrelB;
            break;
        case 2:
            g.BarrelContent[0] = g.OtherBarrelA;
            g.BarrelContent[2] = g.OtherBarrelB;
            break;
        case 3:
            g.TorchFlameRight = 0;
            g.BarrelContent[0] = g.OtherBarrelB;
            g.BarrelContent[1] = g.OtherBarrelA;
            break;
        default:
            break;
    }
}

}  // namespace vortala
