// State changes that happen as part of drawing a frame. They live here so that a frame run
// without drawing changes the game exactly as a drawn frame does; the renderer only reads.
#include "Rules.h"

namespace vortala {

namespace {

constexpr float kFullReelRadius = 1.08f;

// Wild frame put on wild faces by the animation counter's new value; -1 keeps the faces.
int WildFrameForCounter(int counter) {
    if (counter >= 1 && counter <= 6) return 0;
    if (counter == 7 || counter == 8) return 2;
    if (counter == 9) return 3;
    if (counter == 10) return 1;
    if (counter == 11) return 4;
    return -1;
}

}  // namespace

void UnfoldReels(GameState& g, std::uint32_t nowMs) {
    if (g.IntroShown || nowMs - g.LastUnfoldTick < 31) return;
    g.LastUnfoldTick = nowMs;
    g.UnfoldStep += 0.001f;
    if (g.ReelRadius < kFullReelRadius) g.ReelRadius += g.UnfoldStep;
    if (g.ReelRadius > kFullReelRadius) g.ReelRadius = kFullReelRadius;
}

void JitterBlurredReels(GameState& g, GameHost& host) {
    for (int r = 0; r < kReels; ++r) {
        if (!ReelBlurred(g, r)) continue;
        if (r == 0 && g.ReelStopSoundDue[0]) {
            g.ReelStopSoundDue[0] = 0;
            host.PlaySound(Cue::ReelsRunning, true);
        }
        g.ReelAngle[r] += static_cast<float>(Random(g, 5));
    }
}

void StepWallClockCounters(GameState& g, std::uint32_t nowMs) {
    if (nowMs - g.LastBlinkTick > 300) {
        g.LastBlinkTick = nowMs;
        g.StatusBlinkPhase = g.StatusBlinkPhase >= 3 ? 0 : g.StatusBlinkPhase + 1;
    }
    if (nowMs - g.LastFlickerTick > 100) {
        g.LastFlickerTick = nowMs;
        // A torch that was put out stays out.
        if (g.TorchFlameLeft != 0) g.TorchFlameLeft = static_cast<Byte>(Random(g, 4) + 1);
        if (g.TorchFlameRight != 0) g.TorchFlameRight = static_cast<Byte>(Random(g, 4) + 1);
        g.FlareTick = g.FlareTick >= 200 ? 0 : g.FlareTick + 1;
        if (g.FlareTick < 27) g.FlareFrame = static_cast<Byte>(g.FlareTick);
        if (g.FlareFrame > 27) g.FlareFrame = 0;
    }
}

void StepWildAnimation(GameState& g) {
    g.WildAnimationCounter += 1;
    const int frame = WildFrameForCounter(g.WildAnimationCounter);
    if (frame >= 0) {
        for (auto& reel : g.ReelFaceTexture)
            for (Byte& face : reel)
                if (IsWildFace(face)) face = static_cast<Byte>(kWildFrameFaceBase + frame);
    }
    if (g.WildAnimationCounter > 11) g.WildAnimationCounter = 0;
}

void StepPinWobble(GameState& g) {
    if (g.ArrowSpeed <= 0) return;
    int& w = g.PinWobble;
    if (w >= -8 && w <= -3)
        w += 1;
    else if (w == -2)
        w = 8;
    else if (w >= 3 && w <= 8)
        w -= 1;
    else if (w == 2)
        w = -8;
}

}  // namespace vortala
