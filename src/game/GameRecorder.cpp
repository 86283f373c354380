// Recording by observation: each step's before and after tell what it did.
#include "GameRecorder.h"

#include "Rules.h"

namespace vortala {

namespace {

int NextHelmPosition(int position) {
    return position >= 10 ? 1 : position + 1;  // as StepHelms turns it
}

bool ScreenUp(std::uint8_t flag) {
    return flag != 0;
}

}  // namespace

Carried CarriedOf(const GameState& g) {
    Carried c;
    c.credit = g.Credit;
    c.inserted = g.CreditInserted;
    c.win = g.Win;
    c.jackpot = g.Jackpot;
    c.banks = g.HelmBank;
    for (int h = 0; h < 3; ++h)
        c.helms[h] = g.HelmTurning[h] ? NextHelmPosition(g.HelmPosition[h]) : g.HelmPosition[h];
    c.pile = g.CoinPile;
    c.rounds = g.CoinRounds;
    c.freeGames = g.FreeGames;
    c.arrow = g.ArrowAngle;
    c.fortune = {g.FortuneSpin, g.FortuneRisk, g.FortuneBonus};
    c.helmLast = g.HelmLastBeforeBonus;
    c.forced = g.ForcedArrangement;
    c.bets = g.LineBet;
    return c;
}

void ApplyCarried(const Carried& c, GameState& g) {
    g.Credit = c.credit;
    g.CreditInserted = c.inserted;
    g.Win = c.win;
    g.Jackpot = c.jackpot;
    g.HelmBank = c.banks;
    for (int h = 0; h < 3; ++h) {
        g.HelmPosition[h] = c.helms[h];
        g.HelmAngle[h] = HelmAngleOfPosition(c.helms[h]);
        g.HelmTurning[h] = 0;
    }
    g.CoinPile = c.pile;
    g.CoinRounds = static_cast<Byte>(c.rounds);
    g.FreeGames = static_cast<Byte>(c.freeGames);
    g.ArrowAngle = c.arrow;
    g.FortuneSpin = c.fortune[0];
    g.FortuneRisk = c.fortune[1];
    g.FortuneBonus = c.fortune[2];
    g.HelmLastBeforeBonus = static_cast<Byte>(c.helmLast);
    g.ForcedArrangement = static_cast<Flag>(c.forced);
    g.LineBet = c.bets;
    RecomputeTotalBet(g);
}

StoredStores StoresOf(const Carried& c) {
    StoredStores s;
    s.jackpot = c.jackpot;
    for (int h = 0; h < 3; ++h) s.helmBank[h] = c.banks[h], s.helmPosition[h] = c.helms[h];
    s.coinPile = c.pile;
    s.coinRounds = c.rounds;
    return s;
}

GameRecorder::Snapshot GameRecorder::SnapshotOf(const GameState& g) {
    Snapshot s;
    s.carried = CarriedOf(g);
    s.capped = g.MoneyCapped;
    s.seed = g.Seed;
    s.arrangements = g.ArrangementsDrawn;
    s.awaiting = g.AwaitingCollection;
    s.spinning = g.ReelsSpinning;
    s.riskStep = g.RiskStep;
    s.riskScreen = g.RiskScreen;
    s.barrelScreen = g.BarrelScreen;
    s.coinScreen = g.CoinScreen;
    s.chestScreen = g.ChestScreen;
    s.voyageScreen = g.SuperBonusScreen;
    s.barrelOpened = g.BarrelOpened;
    s.chestPicked = g.ChestPicked;
    s.freePicked = g.FreeGamePicked;
    s.coinThrown = g.CoinThrown;
    s.arrowSpinning = g.ArrowSpinning;
    s.shipSquare = g.ShipSquare;
    return s;
}

void GameRecorder::Start(const GameState& g) {
    last_ = SnapshotOf(g);
    haveLast_ = true;
}

void GameRecorder::Before(const GameState& g) {
    before_ = SnapshotOf(g);
    if (haveLast_ && before_.carried != last_.carried) NoteOutside(last_, before_);
}

void GameRecorder::After(const GameState& g, bool outside) {
    const Snapshot now = SnapshotOf(g);
    const Snapshot& b = before_;
    if (outside) {
        if (now.carried != b.carried) NoteOutside(b, now);
    } else if (!inGame_) {
        const Money inserted = now.carried.inserted - b.carried.inserted;
        if (inserted > 0) insertedSinceGame_ += inserted;
        // StartSpin ran; the opening spin while the reels unfold is the machine's show, no game.
        if (!b.spinning && g.ReelsSpinning && !g.IntroRunning) Begin(b, now);
    } else {
        const bool collected = b.awaiting && !g.AwaitingCollection;
        if (!b.spinning && g.ReelsSpinning) spunSinceDraw_ = true;
        NoteDraws(b, g);
        if (collected) record_.events.push_back({RecordEvent::Collect});
        NoteMoney(b, now, collected);
    }
    if (inGame_ && GameSettled(g)) {
        record_.after = now.carried;
        record_.endMs = Now();
        inGame_ = false;
        finished_ = true;
    }
    last_ = now;
    haveLast_ = true;
}

void GameRecorder::Begin(const Snapshot& b, const Snapshot& now) {
    record_.Clear();
    record_.startMs = Now();
    record_.before = b.carried;
    record_.free = b.carried.freeGames > 0;
    record_.stake = b.carried.credit - now.carried.credit;
    record_.insertedBefore = insertedSinceGame_;
    insertedSinceGame_ = 0;
    inGame_ = true;
    spunSinceDraw_ = true;
    finished_ = false;
}

GameRecorder::Unbooked GameRecorder::BookInPlay() {
    if (!inGame_) return {};
    GameRecord& r = record_;
    const Unbooked rest{r.stake - r.bookedStake,
                        AddMoney(r.insertedBefore, r.insertedDuring) - r.bookedInserted,
                        r.returned - r.bookedReturned};
    r.bookedStake = r.stake;
    r.bookedInserted = AddMoney(r.insertedBefore, r.insertedDuring);
    r.bookedReturned = r.returned;
    return rest;
}

void GameRecorder::NoteOutside(const Snapshot& from, const Snapshot& to) {
    const Money inserted = to.carried.inserted - from.carried.inserted;
    if (!inGame_) {
        if (inserted > 0) insertedSinceGame_ += inserted;
        return;
    }
    if (inserted > 0) record_.insertedDuring += inserted;
    RecordEvent e{RecordEvent::Outside};
    e.choice = static_cast<std::int32_t>(record_.outside.size());
    record_.outside.push_back(to.carried);
    record_.events.push_back(e);
}

void GameRecorder::NoteStop(const Snapshot& b, const GameState& g) {
    RecordEvent e{RecordEvent::Stop};
    if (!spunSinceDraw_) e.choice = RecordEvent::kStopAgain;
    spunSinceDraw_ = false;
    e.input = b.seed;
    e.Add(g.HasWin);
    record_.events.push_back(e);
    record_.reels = g.ReelStrip;
    record_.preset = g.PresetDrawn;
    if (g.PresetDrawn)
        for (int cell = 0; cell < kVisibleCells; ++cell)
            record_.presetRows[cell] = g.PresetRows[cell / kReels][cell % kReels];
    record_.lines.clear();
    for (int l = 0; l < kLines; ++l) {
        const LineResultRecord& r = g.LineResult[l];
        if (r.Multiplier != 0 || r.WildCount != 0 || r.CoinLine)
            record_.lines.push_back({l + 1, r.Multiplier, r.WildCount, r.CoinLine});
    }
    record_.scatters = g.ScatterCount;
    record_.wildWin = g.WildLineWin;
}

void GameRecorder::NoteDraws(const Snapshot& b, const GameState& g) {
    auto& events = record_.events;
    const Money inserted = g.CreditInserted - b.carried.inserted;
    if (inserted > 0) {
        RecordEvent e{RecordEvent::Insert};
        e.input = static_cast<std::uint32_t>(inserted);
        if (betsAtInserts_) {
            Money total = 0;
            for (int bet : b.carried.bets) total += bet;
            e.Add(total);
        }
        events.push_back(e);
        record_.insertedDuring += inserted;
    }
    if (g.ArrangementsDrawn != b.arrangements) NoteStop(b, g);
    if (g.RiskStep > b.riskStep) {
        const int k = g.RiskStep - 1;
        RecordEvent e{RecordEvent::Guess, g.RiskGuess[k], entropy_};
        e.Add(g.RiskCard[k]);
        events.push_back(e);
    }
    if (b.riskScreen && g.Credit - inserted > b.carried.credit) events.push_back({RecordEvent::Take});
    if (!b.barrelOpened && g.BarrelOpened) {
        const int c = g.BarrelChoice;
        RecordEvent e{RecordEvent::Barrel, c, b.seed};
        e.Add(g.BarrelContent[c - 1]);
        if (g.BarrelContent[c - 1] == kExplodedBarrel) e.Add(g.OtherBarrelA), e.Add(g.OtherBarrelB);
        events.push_back(e);
    }
    if (!b.chestPicked && g.ChestPicked) {
        RecordEvent e{RecordEvent::Chest, 0, entropy_};
        for (int i = 0; i < 5; ++i) {
            if (g.Chests[i].ChestChosen) e.choice = i + 1;
            e.Add(g.Chests[i].ChestValue);
        }
        events.push_back(e);
    }
    if (!b.freePicked && g.FreeGamePicked) {
        RecordEvent e{RecordEvent::FreeGames, 0, entropy_};
        for (int i = 0; i < 6; ++i) {
            if (g.FreeGameItems[i].FreeGameChosen) e.choice = i + 1;
            e.Add(g.FreeGameItems[i].FreeGameValue);
        }
        events.push_back(e);
    }
    if (!b.coinThrown && g.CoinThrown) {
        RecordEvent e{RecordEvent::Coin, 0, b.seed};
        e.Add(g.CoinMultiplier);
        events.push_back(e);
    }
    if (!b.arrowSpinning && g.ArrowSpinning) events.push_back({RecordEvent::Arrow, 0, b.seed});
    // The ship's moves belong to the arrow spin that sent it: squares moved and where it stands.
    if (g.ShipSquare != b.shipSquare && g.ShipSquare != 0) {
        for (auto it = events.rbegin(); it != events.rend(); ++it) {
            if (it->kind != RecordEvent::Arrow) continue;
            it->outCount = 0;
            it->Add(g.ShipSteps);
            it->Add(g.ShipSquare);
            break;
        }
    }
}

void GameRecorder::NoteMoney(const Snapshot& b, const Snapshot& now, bool collected) {
    auto& src = record_.sources;
    auto add = [&src](WinSource s, Money m) { src[static_cast<int>(s)] += m; };
    const Money paid = now.carried.credit - b.carried.credit - (now.carried.inserted - b.carried.inserted);
    record_.returned += paid;
    // Money the cap cut off was made all the same: its source counts it, `capped` says it is gone.
    const Money capped = now.capped - b.capped;
    record_.capped += capped;
    const Money created = (now.carried.win - b.carried.win) + paid + (collected ? 0 : capped);
    if (collected) {
        const Money jackpot = b.carried.jackpot - now.carried.jackpot;
        add(WinSource::LinePays, created - jackpot);
        add(WinSource::Jackpot, jackpot);
        add(WinSource::Scatters, now.carried.banks[0] - b.carried.banks[0]);
        add(WinSource::WildLines, now.carried.banks[1] - b.carried.banks[1]);
        add(WinSource::CoinLines, now.carried.pile - b.carried.pile);
        return;
    }
    if (created == 0) return;
    // The screen that was up when the money appeared made it; the barrels come first, as they do
    // when the screens are chosen.
    if (ScreenUp(b.barrelScreen))
        add(WinSource::Barrels, created);
    else if (ScreenUp(b.coinScreen))
        add(WinSource::CoinGame, created);
    else if (ScreenUp(b.chestScreen))
        add(WinSource::Chests, created);
    else if (ScreenUp(b.riskScreen))
        add(WinSource::Risk, created);
    else if (ScreenUp(b.voyageScreen))
        add(WinSource::Voyage, created);
    else
        add(WinSource::Unbooked, created);
}

}  // namespace vortala
