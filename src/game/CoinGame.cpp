// The coin game: a four-faced drum is thrown and spins down onto a multiplier of the coin pile.
//
// The result is drawn at the throw; the drum starts at that face's stop angle and, stepped in
// single-precision floats exactly as below, comes to rest with the face in front.
#include "Rules.h"

namespace vortala {

namespace {

constexpr float kThrowSpin = 20.0f;
constexpr float kSpinDecay = 0.05f;
constexpr float kIdleDrift = 0.1f;

struct CoinFace {
    int upTo;  // highest draw 0..100 that lands on this face
    Byte multiplier;
    float stopAngle;
};
constexpr CoinFace kFaces[] = {{30, 0, 216.0f}, {60, 2, 50.0f}, {80, 5, 126.0f}, {100, 10, 306.0f}};

void Settle(GameState& g, GameHost& host) {
    g.CoinSettled = 1;
    host.PlaySound(g.CoinMultiplier > 0 ? Cue::Credit : Cue::RiskLost, false);
    g.Win = AddMoney(g.Win, MulMoney(g.CoinPile, g.CoinMultiplier, g.MoneyCapped), g.MoneyCapped);
    g.CoinMultiplier = 0;
    g.CoinPile = 0;
    g.CoinGameDue = 0;
    host.StartTimer(PhaseTimer::CoinGameEnd);
}

}  // namespace

void ThrowCoin(GameState& g, GameHost& host) {
    if (!g.CoinScreen || g.CoinThrown) return;
    host.PlaySound(Cue::ReelStop, false);
    g.CoinThrown = 1;
    g.CoinSettled = 0;
    const int r = DrawCoinResult(g);
    for (const CoinFace& face : kFaces) {
        if (r > face.upTo) continue;
        g.CoinMultiplier = face.multiplier;
        g.CoinStopAngle = face.stopAngle;
        break;
    }
    g.CoinAngle = g.CoinStopAngle;
    g.CoinSpin = kThrowSpin;
    g.CoinDrift = 0.0f;
}

void StepCoin(GameState& g, GameHost& host) {
    g.CoinAngle += g.CoinSpin + g.CoinDrift;
    g.CoinSpin -= kSpinDecay;
    if (g.CoinSpin < 0.0f) g.CoinSpin = 0.0f;
    if (g.CoinAngle > 360.0f) g.CoinAngle = 0.0f;  // the excess is dropped; the stop angles rely on it
    if (g.CoinThrown && g.CoinSpin == 0.0f && !g.CoinSettled) Settle(g, host);
}

void EndCoinGame(GameState& g, GameHost& host) {
    g.CoinScreen = 0;
    g.CoinThrown = 0;
    if (g.Win != 0)
        OpenRiskScreen(g);
    else
        EndRisk(g, host);
    g.CoinDrift = kIdleDrift;
}

}  // namespace vortala
