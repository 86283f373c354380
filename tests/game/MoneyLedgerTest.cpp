// Long random play straight through the rules with a ledger: every change of the credit must be
// an insertion, a spin's debit, a taken win or a voyage pay-out, and no money is ever negative.
#include <gtest/gtest.h>

#include <random>

#include "RecordingHost.h"
#include "game/Rules.h"

namespace vortala {
namespace {

using test::RecordingHost;

class LedgerPlay {
public:
    LedgerPlay(std::uint32_t seed, int fortuneSpin, int fortuneRisk, int fortuneBonus) : rng_(seed) {
        g_.Seed = seed;
        g_.IntroShown = g_.IntroRunning = 0;
        g_.ReelRadius = 1.08f;
        g_.FortuneSpin = fortuneSpin;
        g_.FortuneRisk = fortuneRisk;
        g_.FortuneBonus = fortuneBonus;
        g_.HelmLastBeforeBonus = Pick(4) == 0 ? 0 : 9;  // test mode now and then: many barrel bonuses
    }

    void PlayGames(int games) {
        for (int i = 0; i < games; ++i) PlayOne();
    }

private:
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }

    // Runs an operation and checks the credit moved by exactly `expected`.
    template <typename Op>
    void Checked(const char* what, Money expected, Op op) {
        const Money before = g_.Credit;
        op();
        ASSERT_EQ(g_.Credit - before, expected) << what;
        ASSERT_GE(g_.Credit, 0) << what;
        ASSERT_GE(g_.Win, 0) << what;
        for (Money bank : g_.HelmBank) ASSERT_GE(bank, 0) << what;
        ASSERT_GE(g_.CoinPile, 0) << what;
        ASSERT_GE(g_.Jackpot, 0) << what;
    }

    void Frame() {
        now_ += 30;
        clock_.now = now_;
        Checked("frame", 0, [&] { StepFrame(g_, host_, clock_, nullptr); });
    }

    // Fires every phase timer and one-shot that has been started, as their handlers would.
    void FireTimers() {
        for (int t = 0; t < kPhaseTimerCount; ++t) {
            const auto timer = static_cast<PhaseTimer>(t);
            if (!host_.IsRunning(timer)) continue;
            const bool periodic = timer == PhaseTimer::ArrowCheck || timer == PhaseTimer::ShipStep;
            if (!periodic) host_.StopTimer(timer);
            const Money win = g_.Win;
            switch (timer) {
                case PhaseTimer::LineShow:
                    Checked("lines", 0, [&] { g_.LinesShowing = 0; });
                    break;
                case PhaseTimer::RiskEnd:
                    Checked("EndRisk", 0, [&] { EndRisk(g_, host_); });
                    break;
                case PhaseTimer::FreeGamesEnd:
                    Checked("EndFreeGames", 0, [&] { EndFreeGames(g_, host_); });
                    break;
                case PhaseTimer::ChestsPause:
                    Checked("RevealChests", 0, [&] { RevealChests(g_, host_); });
                    break;
                case PhaseTimer::ChestsEnd:
                    Checked("EndChests", 0, [&] { EndChests(g_, host_); });
                    break;
                case PhaseTimer::ArrowCheck:
                    Checked("CheckArrow", 0, [&] { CheckArrow(g_, host_); });
                    break;
                case PhaseTimer::ShipStep:
                    Checked("StepShip", 0, [&] { StepShip(g_, host_); });
                    break;
                case PhaseTimer::VoyageEnd:
                    Checked("EndVoyage", win, [&] { EndVoyage(g_, host_); });
                    ++voyagesPaid_;
                    break;
                case PhaseTimer::CoinGameEnd:
                    Checked("EndCoinGame", 0, [&] { EndCoinGame(g_, host_); });
                    break;
                case PhaseTimer::BarrelsEnd:
                    Checked("EndBarrels", 0, [&] { EndBarrels(g_, host_); });
                    break;
            }
        }
        auto shots = host_.oneShots;
        host_.oneShots.clear();
        for (const auto& s : shots)
            if (s.timer == OneShotTimer::ChooserTimer)
                Checked("chooser", 0, [&] { ChooseBonusScreen(g_, host_); });
    }

    // The player's move on whatever screen is up.
    void PlayScreen() {
        if (g_.RiskScreen && !g_.RiskLocked) {
            const Money win = g_.Win;
            if (g_.RiskGuess[6] == 0 && Pick(3) == 0)
                Checked("TakeWin", win, [&] { TakeWin(g_, host_); });
            else if (g_.RiskStep < 7)
                Checked("Guess", 0, [&] { Guess(g_, host_, 1 + Pick(2)); });
        } else if (g_.ChestScreen && !g_.ChestPicked) {
            Checked("PickChest", 0, [&] { PickChest(g_, host_, Pick(5)); });
        } else if (g_.FreeGameScreen && !g_.FreeGamePicked) {
            Checked("PickFreeGames", 0, [&] { PickFreeGames(g_, host_, Pick(6)); });
        } else if (g_.CoinScreen && !g_.CoinThrown) {
            Checked("ThrowCoin", 0, [&] { ThrowCoin(g_, host_); });
        } else if (g_.SuperBonusScreen && !g_.ArrowSpinning) {
            Checked("SpinArrow", 0, [&] { SpinArrow(g_, host_); });
        } else if (g_.BarrelScreen && !g_.BarrelOpened) {
            g_.BarrelChoice = static_cast<Byte>(1 + Pick(3));
            if (CanOpenBarrel(g_)) Checked("OpenBarrel", 0, [&] { OpenBarrel(g_, host_); });
        }
    }

    void PlayOne() {
        if (g_.Credit < 50) Checked("InsertCredit", 100, [&] { InsertCredit(g_); });
        if (Pick(5) == 0) {
            Checked("bets", 0, [&] {
                for (int& bet : g_.LineBet) bet = Pick(4);
                ChangeBets(g_, host_);
                FitBetsToCredit(g_, host_);
            });
        }
        if (!CanStartSpin(g_)) return Settle();
        Checked("PrepareSpinKey", 0, [&] { PrepareSpinKey(g_, host_); });
        // A paid spin debits the stake as fitted to the credit; a free one debits nothing.
        const bool free = g_.FreeGames > 0;
        const Money before = g_.Credit;
        StartSpin(g_, host_);
        ASSERT_EQ(before - g_.Credit, free ? 0 : g_.TotalBet);
        ASSERT_GE(g_.Credit, 0);
        for (int f = 0; f < 17 + Pick(20); ++f) Frame();
        Checked("StopSpin", 0, [&] { StopSpin(g_, host_); });
        ++spins_;
        Settle();
    }

    // Frames, timers and moves until the machine is back at the reels (bounded).
    void Settle() {
        for (int i = 0; i < 20000; ++i) {
            Frame();
            if (i % 10 == 0) FireTimers();
            PlayScreen();
            const bool idle = !g_.ReelsSpinning && !g_.ReelsStopping[0] && !AnyBonusScreen(g_) &&
                              !g_.SuperBonusScreen && !g_.InputLocked && g_.PanelY == 150.0f &&
                              !CollectionPending(g_) && host_.oneShots.empty();
            bool timers = false;
            for (int t = 0; t < kPhaseTimerCount; ++t) timers |= host_.IsRunning(static_cast<PhaseTimer>(t));
            if (idle && !timers) return;
        }
        FAIL() << "the game never came back to the reels";
    }

    GameState g_;
    RecordingHost host_;
    std::mt19937 rng_;
    std::uint32_t now_ = 1000;
    test::FixedClock clock_;

public:
    int voyagesPaid_ = 0;
    int spins_ = 0;
};

TEST(MoneyLedger, EveryCreditChangeIsExplainedUnderEveryFortune) {
    const int fortunes[][3] = {{0, 0, 0}, {100, 100, 100}, {-100, -100, -100}, {60, 100, 0}};
    int voyages = 0, spins = 0;
    for (std::uint32_t seed = 1; seed <= 2; ++seed) {
        for (const auto& f : fortunes) {
            LedgerPlay play(seed * 7919u, f[0], f[1], f[2]);
            play.PlayGames(1000);
            if (::testing::Test::HasFatalFailure()) return;
            voyages += play.voyagesPaid_;
            spins += play.spins_;
        }
    }
    EXPECT_GT(spins, 7000);
    EXPECT_GT(voyages, 0);  // the paths that pay through the voyage were really played
}

}  // namespace
}  // namespace vortala
