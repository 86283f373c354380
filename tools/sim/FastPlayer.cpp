#include "FastPlayer.h"

namespace vortala::sim {

namespace {

// Bounds on every wait, far above what the rules need (36 helm frames, 400 coin frames, a few
// hundred arrow frames, 9 card frames, 4 ship steps, a handful of screens per game). Reaching
// one means a screen never ends: the game is counted as stuck instead of hanging the run.
constexpr int kMaxHelmFrames = 400;
constexpr int kMaxCoinFrames = 2000;
constexpr int kMaxArrowFrames = 5000;
constexpr int kMaxCardFrames = 50;
constexpr int kMaxShipSteps = 20;
constexpr int kMaxVoyageMoves = 32;
constexpr int kMaxScreens = 64;

void Count(RtpTally& t, Bonus b) {
    ++t.bonuses[static_cast<int>(b)];
}
WideSum& Fed(RtpTally& t, Store s) {
    return t.fed[static_cast<int>(s)];
}

}  // namespace

Money ReadyStake(GameState& g, GameHost& host, int betPerLine) {
    if (g.FreeGames > 0) return 0;
    const Money stake = static_cast<Money>(betPerLine) * kLines;
    Money inserted = 0;
    while (g.Credit < stake && InsertCredit(g)) inserted += 100;
    bool lowered = g.TotalBet != stake;
    for (int bet : g.LineBet) lowered |= bet != betPerLine;
    if (lowered) SetEveryLineBet(g, host, betPerLine);
    return inserted;
}

FastPlayer::FastPlayer(const RtpOptions& o, std::uint64_t block)
    : host_(StreamSeed(o.seed, block, 1)),
      spins_(StreamSeed(o.seed, block, 0)),
      choices_(StreamSeed(o.seed, block, 2)),
      nextGame_(FirstGameOfBlock(o, block)),
      betPerLine_(o.betPerLine),
      gamble_(o.gamble) {
    ApplyFortune(g_, o.fortuneSpin, o.fortuneRisk, o.fortuneBonus);
    SkipOpening(g_);
    ResetAfterBetChange(g_, host_);
    if (!o.journal.empty()) {
        journal_ = std::make_unique<JournalSink>(o.journal, block);
        SetRecorder(&journal_->Recorder());
    }
}

void FastPlayer::Book(Source source, Money amount) {
    tally_->bySource[static_cast<int>(freeSpin_ ? Source::FreeGames : source)] += amount;
    booked_ += amount;
}

void FastPlayer::PlayGame(RtpTally& tally) {
    // On the machine the blurred reels draw from the generator for as long as the player lets
    // them run, so no game starts where the last one ended. Started there, games fall into step
    // with earlier ones and repeat them (docs/SIMULATOR.md), so every game draws a fresh seed.
    SeedGenerator(g_, static_cast<std::uint32_t>(spins_.Next() >> 32));
    tally_ = &tally;
    const Money jackpot = g_.Jackpot;
    tally.inserted += ReadyStake(g_, host_, betPerLine_);
    freeSpin_ = g_.FreeGames > 0;
    booked_ = 0;

    // Space pressed and released at idle, then again once the reels run at full speed.
    const Money before = g_.Credit;
    Rule([&] {
        PrepareSpinKey(g_, host_);
        StartSpin(g_, host_);
    });
    const Money stake = before - g_.Credit;
    const Money afterStake = g_.Credit;
    Rule([&] { RunReelStart(g_, host_); });
    Rule([&] { StopSpin(g_, host_); });
    const bool hit = g_.HasWin;
    Rule([&] { RunStopSequence(g_, host_); });

    if (g_.HasWin) {
        CollectResult();
        if (!PlayScreens()) ++tally.stuckGames;
    }
    FinishHelms();
    host_.DropDisplayTimers();
    Rule([&] { StepPanel(g_); });  // the panel snaps back if a screen handed the reels back

    const Money gameReturn = g_.Credit - afterStake;
    if (journal_) journal_->GameEnded();
    // The steps above booked what they made. In a game the cap cut, what they booked beyond the
    // return is what the cap took from the credit's side (the game's count of cut money also holds
    // what the stores lost, and itself stops at the cap, so it cannot stand in).
    const WideSum unbooked = WideSum{gameReturn} - booked_;
    const bool cut = TakeMoneyCapped(g_) > 0;
    tally.bySource[static_cast<int>(cut ? Source::MoneyCap : Source::Unbooked)] += unbooked;
    tally.AddGame(stake, gameReturn, g_.Jackpot - jackpot, hit, nextGame_++);
}

void FastPlayer::CollectResult() {
    RtpTally& t = *tally_;
    const Money jackpot = g_.Jackpot, scatterBank = g_.HelmBank[0], wildBank = g_.HelmBank[1];
    const Money pile = g_.CoinPile;
    bool jackpotLine = false;
    for (const auto& r : g_.LineResult) jackpotLine |= r.Multiplier == kFiveWildsMultiplier;

    const Money created = Run([&] { Rule([&] { CollectIfSettled(g_, host_); }); });
    const Money jackpotPaid = jackpot - g_.Jackpot;
    Book(Source::LinePays, created - jackpotPaid);
    Book(Source::Jackpot, jackpotPaid);
    t.paidOut[static_cast<int>(Store::Jackpot)] += jackpotPaid;
    if (jackpotLine) Count(t, Bonus::JackpotLine);
    Fed(t, Store::ScatterBank) += g_.HelmBank[0] - scatterBank;
    Fed(t, Store::WildLineBank) += g_.HelmBank[1] - wildBank;
    Fed(t, Store::CoinPile) += g_.CoinPile - pile;

    Rule([&] { ArmBonusChooser(g_, host_); });
    FinishHelms();  // they turn while the chooser waits its two seconds
    if (host_.FireChooser()) Rule([&] { ChooseBonusScreen(g_, host_); });
}

bool FastPlayer::PlayScreens() {
    for (int i = 0; i < kMaxScreens; ++i) {
        // Every screen lasts seconds, far longer than a helm's turn: a helm fed by the last one
        // (the seventh card feeds the third) stands at its new position before the next begins.
        FinishHelms();
        // The barrels take precedence, as in the chooser; the others are never shown together.
        if (g_.BarrelScreen)
            PlayBarrels();
        else if (g_.CoinScreen)
            PlayCoinGame();
        else if (g_.RiskScreen)
            PlayRisk();
        else if (g_.FreeGameScreen)
            PlayFreeGamePick();
        else if (g_.ChestScreen)
            PlayChests();
        else if (g_.SuperBonusScreen)
            PlayVoyage();
        else
            return true;
    }
    return false;
}

void FastPlayer::PlayBarrels() {
    RtpTally& t = *tally_;
    Count(t, Bonus::Barrels);
    const int choice = 1 + choices_.Below(3);
    HoverBarrel(g_, choice);  // as the mouse over barrel `choice` does
    const auto banks = g_.HelmBank;
    Book(Source::Barrels, Run([&] { Rule([&] { PressBarrelSpace(g_, host_); }); }));
    const int content = g_.BarrelContent[choice - 1];
    for (int h = 0; h < 3; ++h) {
        const Money gone = banks[h] - g_.HelmBank[h];
        if (content == kFullBarrel) t.paidOut[h] += gone;
        if (content == kExplodedBarrel) t.blownUp[h] += gone;
    }
    if (host_.Fire(PhaseTimer::BarrelsEnd)) Rule([&] { EndBarrels(g_, host_); });
}

void FastPlayer::PlayCoinGame() {
    Count(*tally_, Bonus::CoinGame);
    tally_->paidOut[static_cast<int>(Store::CoinPile)] += g_.CoinPile;
    Rule([&] { ThrowCoin(g_, host_); });
    Book(Source::CoinGame, Run([&] {
             Rule([&] {
                 for (int f = 0; f < kMaxCoinFrames && g_.CoinThrown && !g_.CoinSettled; ++f)
                     StepCoin(g_, host_);
             });
         }));
    if (host_.Fire(PhaseTimer::CoinGameEnd)) Rule([&] { EndCoinGame(g_, host_); });
}

void FastPlayer::PlayRisk() {
    RtpTally& t = *tally_;
    Count(t, Bonus::RiskGame);
    const Money ladderBank = g_.HelmBank[2];
    Book(Source::RiskGame, Run([&] {
             for (int k = 0; k < gamble_; ++k) {
                 const int step = g_.RiskStep;
                 const int colour = 1 + choices_.Below(2);
                 Rule([&] { Guess(g_, host_, colour); });
                 if (g_.RiskStep == step || host_.Running(PhaseTimer::RiskEnd))
                     break;  // refused, lost or all won
                 Rule([&] {
                     for (int f = 0; f < kMaxCardFrames && !g_.RiskCardShown[g_.RiskStep - 1]; ++f)
                         StepRiskCard(g_, host_);
                 });
             }
             if (host_.Fire(PhaseTimer::RiskEnd))
                 Rule([&] { EndRisk(g_, host_); });
             else if (!g_.RiskLocked && g_.RiskGuess[6] == 0)
                 Rule([&] { TakeWin(g_, host_); });
         }));
    if (g_.HelmBank[2] != ladderBank) Count(t, Bonus::RiskLadder);
    Fed(t, Store::LadderBank) += g_.HelmBank[2] - ladderBank;
}

void FastPlayer::PlayFreeGamePick() {
    Count(*tally_, Bonus::FreeGames);
    const int item = choices_.Below(6);
    Rule([&] { PickFreeGames(g_, host_, item); });
    if (host_.Fire(PhaseTimer::FreeGamesEnd)) Rule([&] { EndFreeGames(g_, host_); });
}

void FastPlayer::PlayChests() {
    Count(*tally_, Bonus::Chests);
    const int chest = choices_.Below(5);
    Book(Source::Chests, Run([&] { Rule([&] { PickChest(g_, host_, chest); }); }));
    if (host_.Fire(PhaseTimer::ChestsPause)) Rule([&] { RevealChests(g_, host_); });
    if (host_.Fire(PhaseTimer::ChestsEnd)) Rule([&] { EndChests(g_, host_); });
}

void FastPlayer::PlayVoyage() {
    Count(*tally_, Bonus::Voyage);
    Book(Source::Voyage, Run([&] {
             for (int m = 0; m < kMaxVoyageMoves && !host_.Running(PhaseTimer::VoyageEnd); ++m) {
                 Rule([&] { SpinArrow(g_, host_); });
                 Rule([&] {
                     for (int f = 0; f < kMaxArrowFrames && g_.ArrowSpeed > 0; ++f) StepArrow(g_);
                 });
                 if (host_.Fire(PhaseTimer::ArrowCheck)) Rule([&] { CheckArrow(g_, host_); });
                 for (int s = 0; s < kMaxShipSteps && host_.Running(PhaseTimer::ShipStep); ++s)
                     Rule([&] { StepShip(g_, host_); });
             }
         }));
    const Money jackpot = g_.Jackpot;
    if (host_.Fire(PhaseTimer::VoyageEnd))
        Rule([&] { EndVoyage(g_, host_); });  // pays the win: moves money, creates none
    Fed(*tally_, Store::Jackpot) += g_.Jackpot - jackpot;
}

void FastPlayer::FinishHelms() {
    Rule([&] {
        for (int f = 0; f < kMaxHelmFrames && (g_.HelmTurning[0] | g_.HelmTurning[1] | g_.HelmTurning[2]);
             ++f)
            StepHelms(g_);
    });
}

}  // namespace vortala::sim
