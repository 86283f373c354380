// The coin game: each face's throw comes to rest on its own face in single-precision steps and
// multiplies the pile into the win.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "BonusDriver.h"

namespace vortala::test {

namespace {

int Face(GameState& c) {
    const int r = DrawCoinResult(c);
    return r <= 30 ? 0 : (r <= 60 ? 2 : (r <= 80 ? 5 : 10));
}

}  // namespace

TEST(CoinGame, EachFaceSettlesInItsOwnQuarterAndPaysThePile) {
    std::set<int> quarters;
    for (int face : {0, 2, 5, 10}) {
        GameState g;
        RecordingHost host;
        g.CoinScreen = g.CoinGameDue = 1;
        g.CoinPile = 80;
        g.Win = 7;
        g.Seed = SeedWhere(g, Face, face);
        ThrowCoin(g, host);
        ThrowCoin(g, host);  // a second throw is ignored
        int frames = 0;
        while (!g.CoinSettled && frames < 1000) ++frames, StepCoin(g, host);
        EXPECT_EQ(frames, 401);
        EXPECT_EQ(g.Win, 7 + 80 * face);
        EXPECT_EQ(g.CoinPile, 0);
        EXPECT_FALSE(g.CoinGameDue);
        EXPECT_EQ(host.sounds.back(), face ? "credit" : "rbno");
        EXPECT_TRUE(host.IsRunning(PhaseTimer::TiCoinRB));
        // Every throw stops the same way into its quarter turn: one face each, squarely in front.
        const float within = std::fmod(g.CoinAngle, 90.0f);
        EXPECT_NEAR(within, 27.0f, 3.0f) << "face " << face << " at " << g.CoinAngle;
        quarters.insert(static_cast<int>(g.CoinAngle / 90.0f));
    }
    EXPECT_EQ(quarters.size(), 4u);
}

TEST(CoinGame, EndOpensTheRiskGameOrReturns) {
    GameState g;
    RecordingHost host;
    g.CoinScreen = g.CoinThrown = 1;
    g.CoinDrift = 0;
    g.Win = 160;
    g.RiskLocked = 1;  // left over from an earlier ladder
    EndCoinGame(g, host);
    EXPECT_TRUE(g.RiskScreen && !g.RiskLocked && !g.CoinScreen);
    EXPECT_FLOAT_EQ(g.CoinDrift, 0.1f);

    g.RiskScreen = 0;
    g.CoinScreen = 1;
    g.Win = 0;
    g.InputLocked = 1;
    EndCoinGame(g, host);
    EXPECT_TRUE(g.ReelsInView && !g.InputLocked && !g.RiskScreen);
}

}  // namespace vortala::test
