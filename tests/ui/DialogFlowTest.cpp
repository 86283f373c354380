// The statistics box, the exit dialog and the close, driven through their controls without a
// window.
#include "UiTestSupport.h"
#include "app/Persistence.h"
#include "ui/GameDialogs.h"

namespace vortala {
namespace {

class Dialogs : public testing::TempHome {
protected:
    void SetUp() override {
        TempHome::SetUp();
        machine_ = std::make_unique<Machine>(platform_);
        store_ = std::make_unique<SettingsStore>(SettingsStore::DefaultPath());
        Open();
    }
    void TearDown() override {
        End();
        TempHome::TearDown();
    }
    void Open() {
        records_ =
            std::make_unique<SessionRecords>(*store_, LogPath(), LogPath() + ".journal", machine_.get(), [] {
                return WindowSize{800, 600};
            });
        dialogs_ = std::make_unique<GameDialogs>(
            *records_, machine_.get(),
            GameDialogs::Services{[this] { quit_ = true; },
                                  [this](std::string_view url) { urls_.emplace_back(url); },
                                  [] { return false; },
                                  {}});
    }
    void End() {
        dialogs_.reset();
        records_.reset();
    }
    std::string_view Top() {
        dialogs_->Stack().Collect();
        const ModalDialog* top = dialogs_->Stack().Top();
        return top ? top->Name() : "none";
    }
    void Key(SDL_Keycode key) {
        dialogs_->Stack().Collect();
        dialogs_->Stack().Top()->KeyDown(key, 0);
        dialogs_->Stack().Collect();
    }

    testing::RecordingPlatform platform_;
    std::unique_ptr<Machine> machine_;
    std::unique_ptr<SettingsStore> store_;
    std::unique_ptr<SessionRecords> records_;
    std::unique_ptr<GameDialogs> dialogs_;
    std::vector<std::string> urls_;
    bool quit_ = false;
};

TEST_F(Dialogs, StatisticsBoxShowsWonAndLost) {
    GameState& g = machine_->EditState();
    const struct {
        Money inserted, credit, won, lost;
    } cases[] = {{500, 800, 300, 0}, {500, 200, 0, 300}, {500, 500, 0, 0}, {0, 0, 0, 0}};
    for (const auto& c : cases) {
        g.CreditInserted = c.inserted, g.Credit = c.credit;
        dialogs_->Show(Dialog::Statistics);
        const Statement& shown = dialogs_->Statistics().Shown();
        EXPECT_EQ(shown.put, c.inserted);
        EXPECT_EQ(shown.taken, 0);  // merely looking: nothing is taken off
        EXPECT_EQ(shown.won, c.won);
        EXPECT_EQ(shown.lost, c.lost);
        Key(SDLK_F12);
        EXPECT_EQ(Top(), "AboutBox1");
        Key(SDLK_a);
        EXPECT_EQ(Top(), "none");
    }
}

TEST_F(Dialogs, NewGameFromTheExitDialogKeepsEverythingButTheMoneyInPlay) {
    GameState& g = machine_->EditState();
    machine_->Options().offerNewGameOnExit = true;
    g.Credit = 700, g.CreditInserted = 300, g.LineBet.fill(2), g.TotalBet = 30;
    g.Jackpot = 5000, g.HelmBank = {10, 20, 30}, g.HelmPosition = {2, 3, 4}, g.CoinPile = 900,
    g.FreeGames = 7;
    g.Win = 250, g.ChestTrigger = 4;
    const int number = records_->GameNumber();

    dialogs_->Show(Dialog::Exit);
    EXPECT_EQ(platform_.sounds.back(), "exit");
    ASSERT_EQ(Top(), "Warning");
    dialogs_->Exit().Choose(ExitQuestion::Answer::No);
    ASSERT_EQ(Top(), "AboutBox1");
    // The box shows what was taken off as it came up, under the finished session's number.
    EXPECT_EQ(dialogs_->Statistics().Shown().taken, 700);
    EXPECT_EQ(dialogs_->Statistics().Shown().won, 400);
    EXPECT_EQ(dialogs_->Statistics().ShownNumber(), number);
    Key(SDLK_RETURN);
    EXPECT_EQ(Top(), "none");
    EXPECT_FALSE(quit_);

    EXPECT_EQ(g.Credit, 0);
    EXPECT_EQ(g.CreditInserted, 0);
    EXPECT_EQ(g.TotalBet, 0);
    EXPECT_EQ(g.LineBet[14], 0);
    EXPECT_EQ(g.Jackpot, 5000);
    EXPECT_EQ(g.HelmBank, (std::array<Money, 3>{10, 20, 30}));
    EXPECT_EQ(g.HelmPosition, (std::array<std::int32_t, 3>{2, 3, 4}));
    EXPECT_EQ(g.CoinPile, 900);
    EXPECT_EQ(g.FreeGames, 7);
    EXPECT_EQ(g.Win, 250);
    EXPECT_EQ(g.ChestTrigger, 4);
    EXPECT_EQ(records_->GameNumber(), number + 1);

    // The jackpot is saved at once; the log on disk holds the finished game.
    const SettingsStore disk = Store();
    GameState next;
    RestoreMoney(next, disk);
    EXPECT_EQ(next.Jackpot, 5000);
    EXPECT_NE(ReadText(LogPath()).find("Taken off 700"), std::string::npos);
    EXPECT_EQ(records_->Log().Lines().back(), "game's number  " + std::to_string(number + 1));

    // A second new game, then the end: the stored number is the start's plus two (the stored
    // one plus three).
    dialogs_->Show(Dialog::Exit);
    dialogs_->Exit().Choose(ExitQuestion::Answer::No);
    Key(SDLK_ESCAPE);
    End();
    EXPECT_EQ(Store().ReadInteger(kCounterKey, kSettingsSection, "num", 0), number + 2);
}

TEST_F(Dialogs, CancelStaysAndYesClosesThroughTheStatisticsBox) {
    GameState& g = machine_->EditState();
    machine_->Options().offerNewGameOnExit = true;
    g.Credit = 400, g.Jackpot = 77;
    dialogs_->Show(Dialog::Exit);
    dialogs_->Exit().Choose(ExitQuestion::Answer::Cancel);
    EXPECT_EQ(Top(), "none");
    EXPECT_EQ(g.Credit, 400);

    dialogs_->Show(Dialog::Exit);
    dialogs_->Exit().Choose(ExitQuestion::Answer::Yes);
    ASSERT_EQ(Top(), "AboutBox1");
    EXPECT_EQ(dialogs_->Statistics().Shown().taken, 400);
    EXPECT_FALSE(quit_);
    dialogs_->RequestClose();  // closing the window meanwhile shows no second box
    EXPECT_EQ(dialogs_->Stack().Shown().size(), 1u);
    Key(SDLK_SPACE);
    EXPECT_TRUE(quit_);
    GameState next;
    RestoreMoney(next, Store());
    EXPECT_EQ(next.Jackpot, 77);
}

TEST_F(Dialogs, WithoutTheOfferTheExitButtonCloses) {
    machine_->Options().offerNewGameOnExit = false;
    dialogs_->Show(Dialog::Exit);
    EXPECT_EQ(Top(), "AboutBox1");
    Key(SDLK_ESCAPE);
    EXPECT_TRUE(quit_);
}

// The number is stored as soon as it is taken; a game's end stores what the close would, once,
// and only when something changed, a helm still turning where it will stop; a signal's close
// saves without the statistics box.
TEST_F(Dialogs, StoresAreKeptAsTheSessionGoes) {
    const int number = records_->GameNumber();
    EXPECT_EQ(Store().ReadInteger(kCounterKey, kSettingsSection, "num", 0), number);

    GameState& g = machine_->EditState();
    g.Jackpot = 5000, g.HelmBank = {10, 20, 30}, g.HelmPosition = {2, 3, 4}, g.CoinPile = 900,
    g.CoinRounds = 2;
    records_->GameEnded();
    GameState next;
    RestoreMoney(next, Store());
    EXPECT_EQ(next.Jackpot, 5000);
    EXPECT_EQ(next.HelmBank, g.HelmBank);
    EXPECT_EQ(next.HelmPosition, g.HelmPosition);
    EXPECT_EQ(next.CoinPile, 900);
    EXPECT_EQ(next.CoinRounds, 2);

    std::filesystem::remove(SettingsStore::DefaultPath());
    g.Credit = 50;  // credit is never stored
    records_->GameEnded();
    EXPECT_FALSE(std::filesystem::exists(SettingsStore::DefaultPath()));
    g.HelmBank[1] = 21;
    g.HelmTurning[2] = 1;  // the game that fed it has ended; the helm turns on from 4
    records_->GameEnded();
    RestoreMoney(next, Store());
    EXPECT_EQ(next.HelmBank[1], 21);
    EXPECT_EQ(next.HelmPosition[2], 5);

    g.Jackpot = 6000;
    dialogs_->CloseWithoutWaiting();
    EXPECT_TRUE(quit_);
    EXPECT_EQ(Top(), "none");
    RestoreMoney(next, Store());
    EXPECT_EQ(next.Jackpot, 6000);
}

TEST_F(Dialogs, AboutWindowOpensTheSiteFromItsAddress) {
    dialogs_->Show(Dialog::About);
    ASSERT_EQ(Top(), "AboutBox");
    dialogs_->About().ClickAddress();
    EXPECT_EQ(urls_, (std::vector<std::string>{std::string(kMakerSite)}));
    EXPECT_EQ(Top(), "AboutBox");
}

// Escape is each window's Cancel, or its Ok where it has no Cancel.
TEST_F(Dialogs, EscapeClosesEveryDialog) {
    GameState& g = machine_->EditState();
    machine_->Options().offerNewGameOnExit = true;
    g.Credit = 300;

    machine_->Options().fortuneRisk = 40;  // set on the bar; the game takes it on Ok
    dialogs_->Show(Dialog::Options);
    Key(SDLK_ESCAPE);
    EXPECT_EQ(Top(), "none");
    EXPECT_EQ(g.FortuneRisk, 40);

    dialogs_->Show(Dialog::Options);
    dialogs_->Options().ShowHistory();
    ASSERT_EQ(Top(), "LogFile");
    Key(SDLK_ESCAPE);
    EXPECT_EQ(Top(), "Options");
    Key(SDLK_ESCAPE);
    EXPECT_EQ(Top(), "none");

    for (Dialog d : {Dialog::About, Dialog::Statistics}) {
        dialogs_->Show(d);
        Key(SDLK_ESCAPE);
        EXPECT_EQ(Top(), "none");
    }

    dialogs_->Show(Dialog::Exit);
    Key(SDLK_ESCAPE);
    EXPECT_EQ(Top(), "none");
    EXPECT_EQ(dialogs_->Exit().Chosen(), ExitQuestion::Answer::Cancel);
    EXPECT_FALSE(quit_);
    EXPECT_EQ(g.Credit, 300);
}

}  // namespace
}  // namespace vortala
