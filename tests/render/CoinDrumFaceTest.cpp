// A thrown coin drum must come to rest with the face of its multiplier towards the player, in the
// game's single-precision steps and the drum's drawing transform (faces x0, x10, x2, x5 in order).
#include <gtest/gtest.h>

#include <cmath>

#include "../game/RecordingHost.h"
#include "game/Rules.h"

namespace vortala {
namespace {

struct Vec {
    double x, y, z;
};

Vec RotateX(double degrees, Vec v) {
    const double a = degrees * M_PI / 180.0, c = std::cos(a), s = std::sin(a);
    return {v.x, c * v.y - s * v.z, s * v.y + c * v.z};
}

// The face whose centre points most towards the viewer (+z) at the drum's angle: the drum is
// rotated by its angle, scaled (2, -1, 1), and face i is turned by 90 i - 100 degrees.
int FrontFace(float drumAngle) {
    int best = -1;
    double bestZ = -2;
    for (int face = 0; face < 4; ++face) {
        Vec v{0, std::sin(M_PI / 4), std::cos(M_PI / 4)};  // the middle of the face's 90 degrees
        v = RotateX(90.0 * face, RotateX(-100, v));
        v = RotateX(drumAngle, {2 * v.x, -v.y, v.z});
        if (v.z > bestZ) bestZ = v.z, best = face;
    }
    return best;
}

TEST(CoinDrum, EveryThrowRestsOnItsMultipliersFace) {
    const std::pair<int, int> faceOf[] = {{0, 0}, {10, 1}, {2, 2}, {5, 3}};
    for (auto [multiplier, face] : faceOf) {
        GameState g;
        test::RecordingHost host;
        g.CoinScreen = 1;
        g.CoinPile = 100;
        // Find a draw that gives this multiplier, then throw.
        for (std::uint32_t seed = 0;; ++seed) {
            GameState probe = g;
            probe.Seed = seed;
            ThrowCoin(probe, host);
            if (probe.CoinMultiplier == multiplier) {
                g = probe;
                break;
            }
        }
        for (int frame = 0; frame < 1000 && !g.CoinSettled; ++frame) StepCoin(g, host);
        ASSERT_TRUE(g.CoinSettled);
        EXPECT_EQ(FrontFace(g.CoinAngle), face) << "x" << multiplier << " rests at " << g.CoinAngle;
        EXPECT_EQ(g.Win, 100 * multiplier);
    }
}

}  // namespace
}  // namespace vortala
