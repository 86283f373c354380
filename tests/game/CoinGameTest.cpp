// The coin game: every face's throw comes to rest on its own face in single-precision steps and
// multiplies the pile into the win.
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

TEST(CoinGame, EachFaceSettlesSquarelyInItsOwnQuarterAndPaysThePile) {
    std::set<int> quarters;
    for (int face : {0, 2, 5, 10}) {
        GameState g;
        RecordingHost host;
        g.CoinScreen = g.CoinGameDue = 1;
        g.CoinPile = 80;
        g.Win = 0;
        g.Seed = SeedWhere(g, Face, face);
        ThrowCoin(g, host);
        int frames = 0;
        while (!g.CoinSettled && frames < 1000) ++frames, StepCoin(g, host);
        EXPECT_EQ(frames, 401);
        EXPECT_EQ(g.Win, 80 * face);
        EXPECT_EQ(g.CoinPile, 0);
        EXPECT_TRUE(host.IsRunning(PhaseTimer::CoinGameEnd));
        EXPECT_NEAR(std::fmod(g.CoinAngle, 90.0f), 27.0f, 3.0f) << "face " << face << " at " << g.CoinAngle;
        quarters.insert(static_cast<int>(g.CoinAngle / 90.0f));

        EndCoinGame(g, host);
        EXPECT_EQ(g.RiskScreen, face > 0);  // a lost pile goes straight back to the reels
        EXPECT_EQ(g.ReelsInView, face == 0);
        EXPECT_FLOAT_EQ(g.CoinDrift, 0.1f);
    }
    EXPECT_EQ(quarters.size(), 4u);
}

}  // namespace vortala::test
