// The frame's order: what is drawn, and which state steps run between the drawings.
#include "Frame.h"

#include "Rules.h"

namespace vortala {

namespace {

constexpr std::uint32_t kExplosionStepMs = 30;

void DrawAndStepField(GameState& g, GameHost& host, std::uint32_t now, FramePainter* p) {
    if (p) p->DrawBackdrops(g);
    if (g.SuperBonusScreen) {
        if (p) p->DrawVoyage(g);
        StepPinWobble(g);
        StepArrow(g);
    }
    if (p) p->FinishBackdrops(g);
    if (g.BarrelScreen) {
        if (p) p->DrawBarrels(g);
        if (now - g.LastExplosionTick > kExplosionStepMs) {
            g.LastExplosionTick = now;
            StepExplosion(g);
        }
    }
    if (g.CoinScreen) {
        StepCoin(g, host);
        if (p) p->DrawCoinDrum(g);
    }
    JitterBlurredReels(g, host);  // the blurred reels' jitter draws from the generator
    if (p) p->DrawReels(g), p->DrawHelmDrums(g);
    if (p && ReelsWithinStopLimits(g)) p->DrawWinFrames(g);
    StepHelms(g);
    if (p) p->DrawPaylines(g), p->DrawStatus(g);
}

// The reels, the risk cards and the collection, whether the field or a picture is shown.
void StepPlay(GameState& g, GameHost& host, std::uint32_t now) {
    StepPanel(g);
    UnfoldReels(g, now);
    StepReelStart(g, host);
    StepReelMotion(g, now);
    StepStopSequence(g, host);
    if (g.RiskScreen && !g.HelpArmed) StepRiskCard(g, host);
    if (CollectionDue(g)) CollectIfSettled(g, host);
}

}  // namespace

FrameResult StepFrame(GameState& g, GameHost& host, FrameClock& clock, FramePainter* p) {
    FrameResult result;
    if (p && !p->BeginFrame()) return result.drawn = false, result;
    const std::uint32_t now = clock.NowMs();

    if (g.IntroShown) {
        if (p) p->DrawIntro(g);
    } else if (g.HelpArmed) {
        if (p) p->DrawHelp(g), p->DrawStatus(g);
    } else {
        DrawAndStepField(g, host, now, p);
    }
    StepPlay(g, host, now);

    if (g.IntroRunning && g.ReelRadius >= 1.08f) {
        g.IntroRunning = 0;
        ResetAfterBetChange(g, host);
        g.LineHighlight.fill(0);
        result.openingUnfolded = true;
    }
    ArmBonusChooser(g, host);
    if (p) {
        if (g.RiskScreen && !g.HelpArmed) p->DrawRiskCards(g);
        p->EndFrame();
    }
    StepWallClockCounters(g, clock.NowMs());
    return result;
}

}  // namespace vortala
