// The options dialog's controls and what they change in the game.
#include "UiTestSupport.h"
#include "app/Persistence.h"
#include "ui/NetworkState.h"
#include "ui/OptionsDialog.h"

namespace vortala {
namespace {

class Options : public testing::TempHome {
protected:
    std::unique_ptr<OptionsDialog> Make(const SettingsAccess& store) {
        return std::make_unique<OptionsDialog>(
            machine_, store,
            OptionsDialog::Services{[](std::string_view) {}, [this] { return online_; },
                                    [this] { ++history_; }});
    }

    testing::RecordingPlatform platform_;
    Machine machine_{platform_};
    SettingsStore store_{SettingsStore::DefaultPath()};
    bool online_ = false;
    int history_ = 0;
};

TEST_F(Options, FortuneBarsReachTheGameOnOk) {
    auto d = Make(store_);
    GameState& g = machine_.EditState();
    EXPECT_EQ(g.FortuneSpin, 0);  // at start the rules run unbiased although the bars sit at -1, -2, -1
    // The labels tell the bars' real positions, which Ok is about to apply.
    EXPECT_EQ(d->ValueLabel(1), "-1 %");
    EXPECT_EQ(d->ValueLabel(2), "-2 %");
    EXPECT_EQ(d->ValueLabel(3), "-1 %");
    d->Ok();
    EXPECT_EQ(g.FortuneSpin, -1);
    EXPECT_EQ(g.FortuneRisk, -2);
    EXPECT_EQ(g.FortuneBonus, -1);
    EXPECT_TRUE(d->Closed());

    d->SetFortuneBar(2, 250);
    EXPECT_EQ(g.FortuneRisk, 100);
    EXPECT_EQ(d->ValueLabel(2), "100 %");
    d->AllZero();
    d->Ok();
    EXPECT_EQ(g.FortuneSpin, 0);
    EXPECT_EQ(g.FortuneRisk, 0);
    EXPECT_EQ(g.FortuneBonus, 0);
}

TEST_F(Options, SpeedBarDrivesThePaintTimer) {
    store_.WriteInteger(kSettingsKey, kSettingsSection, "speed", 20);
    auto d = Make(store_);
    EXPECT_EQ(platform_.intervals[TimerId::Paint], 20);
    d->SetSpeed(10);
    EXPECT_EQ(platform_.intervals[TimerId::Paint], 10);
    d->Normal();
    EXPECT_EQ(platform_.intervals[TimerId::Paint], 30);
    d->SetSpeed(0);
    EXPECT_EQ(platform_.intervals[TimerId::Paint], 1);
}

TEST_F(Options, DelayMinimumRisesOnActivation) {
    auto d = Make(store_);
    EXPECT_EQ(machine_.Options().autoStopSeconds, 1);  // as stored until the dialog first comes up
    d->Activate();
    EXPECT_EQ(machine_.Options().autoStopSeconds, 2);
    d->SetDelay(1);
    EXPECT_EQ(machine_.Options().autoStopSeconds, 2);
    d->SetDelay(12);
    EXPECT_EQ(machine_.Options().autoStopSeconds, 9);
    EXPECT_EQ(machine_.AutoStopDelaySeconds(), 9);
}

TEST_F(Options, SwitchesReachTheGame) {
    auto d = Make(store_);
    Settings& o = machine_.Options();
    GameState& g = machine_.EditState();
    g.IntroRunning = 0;
    o.autoStop = true;
    EXPECT_TRUE(machine_.AutoStopEnabled());
    o.sounds = false;
    machine_.PlaySound(Cue::Bet, false);
    EXPECT_TRUE(platform_.sounds.empty());
    o.sounds = true;
    machine_.PlaySound(Cue::Bet, false);
    EXPECT_EQ(platform_.sounds.size(), 1u);
    o.bonusOncePerGame = true;
    d->Ok();
    EXPECT_EQ(g.HelmLastBeforeBonus, 0);
    o.bonusOncePerGame = false;
    d->Ok();
    EXPECT_EQ(g.HelmLastBeforeBonus, 9);
    // Transparent lines and the rest are saved with the options.
    o.transparentLines = false;
    SaveAtClose(g, o, {}, store_);
    Settings read;
    RestoreOptions(read, store_);
    EXPECT_FALSE(read.transparentLines);
    EXPECT_EQ(StoredAutoStop(store_), 1);
}

TEST_F(Options, RefreshCyclesPagesOnlineAndShowsTheBuiltInPageOffline) {
    online_ = true;
    auto d = Make(store_);
    EXPECT_EQ(d->PageIndex(), 1);
    for (int i = 0; i < 9; ++i) d->Refresh();
    EXPECT_EQ(d->PageIndex(), 1);
    EXPECT_EQ(d->PageUrl(9), "https://www.orvexa.example/en/updweb/web/index9.htm");
    online_ = false;
    d->Refresh();
    EXPECT_EQ(d->PageIndex(), 0);
    online_ = true;
    d->Refresh();
    EXPECT_EQ(d->PageIndex(), 1);
    d->ShowHistory();
    EXPECT_EQ(history_, 1);
}

TEST_F(Options, CreditLineOnTheChordOnly) {
    auto d = Make(store_);
    d->KeyDown(SDLK_j, KMOD_CTRL | KMOD_SHIFT);
    EXPECT_FALSE(d->CreditLineShown());
    d->KeyDown(SDLK_j, KMOD_LCTRL | KMOD_LSHIFT | KMOD_LALT);
    EXPECT_TRUE(d->CreditLineShown());
    EXPECT_EQ(d->CreditLine().size(), 32u);
    d->Activate();
    EXPECT_FALSE(d->CreditLineShown());
    EXPECT_TRUE(d->IgnoresRightClicks());
}

TEST(NetworkState, ADefaultRouteThatIsUpCounts) {
    const std::string head = "Iface\tDestination\tGateway\tFlags\tRefCnt\tUse\tMetric\tMask\n";
    EXPECT_TRUE(HasDefaultRoute(head + "eth0\t00000000\t010200C0\t0003\t0\t0\t0\t00000000\n"));
    EXPECT_FALSE(HasDefaultRoute(head + "eth0\t000200C0\t00000000\t0001\t0\t0\t0\t00FFFFFF\n"));
    EXPECT_FALSE(HasDefaultRoute(head + "eth0\t00000000\t010200C0\t0002\t0\t0\t0\t00000000\n"));
    EXPECT_FALSE(HasDefaultRoute(head));
    EXPECT_FALSE(HasDefaultRoute(""));
}

}  // namespace
}  // namespace vortala
