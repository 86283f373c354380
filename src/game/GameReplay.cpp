// The re-play of one record, and the field-by-field comparison of two records.
#include "GameReplay.h"

#include <type_traits>
#include <utility>

#include "GameRecorder.h"
#include "Rules.h"
#include "TimerFlagHost.h"

namespace vortala {

namespace {

// Far above what any game needs (a few hundred frames per screen, a handful of screens).
constexpr int kMaxAutomaticSteps = 20000;

// The re-play's host: timers are flags the driver fires, entropy is the record's.
class ReplayHost final : public TimerFlagHost {
public:
    std::uint32_t Entropy() override {
        recorder->Entropy(entropy);
        return entropy;
    }

    GameRecorder* recorder = nullptr;
    std::uint32_t entropy = 0;
};

class Replay {
public:
    explicit Replay(const GameRecord& r) : r_(r) {
        host_.recorder = &recorder_;
        for (const RecordEvent& e : r.events)
            if (e.kind == RecordEvent::Insert && e.outCount == 0) recorder_.NoteBetsAtInserts(false);
    }

    bool Run() {
        ApplyCarried(r_.before, g_);
        // Where the machine stands between games: the opening show over, the reels at rest.
        g_.IntroShown = 0;
        g_.IntroRunning = 0;
        ResetAfterBetChange(g_, host_);
        Step([&] {
            PrepareSpinKey(g_, host_);
            StartSpin(g_, host_);
        });
        Step([&] { RunReelStart(g_, host_); });
        const std::vector<RecordEvent>& events = r_.events;
        for (std::size_t i = 0; i < events.size(); ++i) {
            if (recorder_.Finished()) return false;  // the record goes on after the game ended
            if (events[i].kind != RecordEvent::Stop) {
                Play(events[i]);
                continue;
            }
            // Money put in, or a change from outside (a new game), while the reels come to rest
            // arrived before a game without a win settled at their stop: it goes in between the
            // draw and the rest of the stop, which then moves nothing it could change.
            PrepareStop(events[i]);
            Step([&] { StopSpin(g_, host_); });
            const bool won = events[i].outCount > 0 && events[i].out[0] != 0;
            while (i + 1 < events.size() && (events[i + 1].kind == RecordEvent::Insert ||
                                             (!won && events[i + 1].kind == RecordEvent::Outside)))
                Play(events[++i]);
            const bool stopFollows = i + 1 < events.size() && events[i + 1].kind == RecordEvent::Stop;
            // Stopped again before a frame of this stop ran: the next draw replaces this one, and
            // its own stop sequence is the one that runs.
            if (stopFollows && events[i + 1].choice == RecordEvent::kStopAgain) continue;
            if (!won && stopFollows) {
                // The player spun again while these reels were still coming to rest, so the game
                // went on into the next spin (so read in records written before a stop again
                // was marked). The rest of a stop without a win moves nothing the record holds: it runs
                // unwatched, and the next spin starts as the keys started it.
                RunStopSequence(g_, host_);
                Step([&] {
                    PrepareSpinKey(g_, host_);
                    StartSpin(g_, host_);
                });
                Step([&] { RunReelStart(g_, host_); });
                continue;
            }
            Step([&] { RunStopSequence(g_, host_); });
        }
        for (int i = 0; i < kMaxAutomaticSteps && !recorder_.Finished(); ++i)
            if (!Automatic()) break;
        return recorder_.Finished();
    }
    GameRecorder& Recorder() { return recorder_; }

private:
    template <typename F>
    void Step(F&& f, bool outside = false) {
        recorder_.Before(g_);
        f();
        recorder_.After(g_, outside);
    }

    // Runs the steps that need no player until `ready` holds or nothing is left to run.
    template <typename Ready>
    void RunUntil(Ready&& ready) {
        for (int i = 0; i < kMaxAutomaticSteps && !ready(); ++i)
            if (!Automatic()) return;
    }

    // The record's seed for the stop key's draw (and its preset rows, where the test mode set them).
    void PrepareStop(const RecordEvent& e) {
        if (r_.preset) {
            for (int cell = 0; cell < kVisibleCells; ++cell)
                g_.PresetRows[cell / kReels][cell % kReels] = static_cast<Byte>(r_.presetRows[cell]);
            g_.PresetPending = 1;
        }
        g_.Seed = e.input;
    }

    bool HelmsTurning() const { return g_.HelmTurning[0] | g_.HelmTurning[1] | g_.HelmTurning[2]; }

    // One step of what frames and timers do while the player waits; false when none is due.
    // Frames that only animate run together as one step: they draw nothing.
    bool Automatic() {
        GameState& g = g_;
        if (HelmsTurning()) {
            Step([&] {
                for (int i = 0; i < kMaxAutomaticSteps && HelmsTurning(); ++i) StepHelms(g);
            });
            return true;
        }
        if (g.RiskScreen && g.RiskStep > 0 && !g.RiskCardShown[g.RiskStep - 1]) {
            Step([&] {
                for (int i = 0; i < kMaxAutomaticSteps && !g.RiskCardShown[g.RiskStep - 1]; ++i)
                    StepRiskCard(g, host_);
            });
            return true;
        }
        if (g.CoinScreen && g.CoinThrown && !g.CoinSettled) {
            Step([&] {
                for (int i = 0; i < kMaxAutomaticSteps && !g.CoinSettled; ++i) StepCoin(g, host_);
            });
            return true;
        }
        if (g.SuperBonusScreen && g.ArrowSpeed > 0) {
            Step([&] {
                for (int i = 0; i < kMaxAutomaticSteps && g.ArrowSpeed > 0; ++i) StepArrow(g);
            });
            return true;
        }
        host_.Fire(PhaseTimer::LineShow);  // shows the lines, ends nothing
        ArmBonusChooser(g, host_);         // moves no money and draws nothing: no step to watch
        if (host_.FireChooser()) {
            Step([&] { ChooseBonusScreen(g, host_); });
            return true;
        }
        using End = void (*)(GameState&, GameHost&);
        static constexpr std::pair<PhaseTimer, End> kEnds[] = {
            {PhaseTimer::RiskEnd, EndRisk},          {PhaseTimer::BarrelsEnd, EndBarrels},
            {PhaseTimer::CoinGameEnd, EndCoinGame},  {PhaseTimer::FreeGamesEnd, EndFreeGames},
            {PhaseTimer::ChestsPause, RevealChests}, {PhaseTimer::ChestsEnd, EndChests},
            {PhaseTimer::ArrowCheck, CheckArrow},    {PhaseTimer::ShipStep, StepShip},
            {PhaseTimer::VoyageEnd, EndVoyage},
        };
        for (const auto& [timer, end] : kEnds) {
            if (!host_.Fire(timer)) continue;
            // The arrow check and the ship's steps repeat until they stop themselves.
            if (timer == PhaseTimer::ArrowCheck || timer == PhaseTimer::ShipStep) host_.StartTimer(timer);
            Step([&] { end(g, host_); });
            return true;
        }
        return false;
    }

    void Play(const RecordEvent& e) {
        GameState& g = g_;
        switch (e.kind) {
            case RecordEvent::Collect:
                Step([&] { CollectIfSettled(g, host_); });
                break;
            case RecordEvent::Guess:
            case RecordEvent::Take:
                RunUntil([&] { return g.RiskScreen && !g.RiskLocked; });
                host_.entropy = e.input;
                if (e.kind == RecordEvent::Guess)
                    Step([&] { Guess(g, host_, e.choice); });
                else
                    Step([&] { TakeWin(g, host_); });
                break;
            case RecordEvent::Barrel:
                RunUntil([&] { return g.BarrelScreen && !HelmsTurning(); });
                g.BarrelChoice = static_cast<Byte>(e.choice);
                g.Seed = e.input;
                Step([&] { PressBarrelSpace(g, host_); });
                break;
            case RecordEvent::Chest:
                RunUntil([&] { return g.ChestScreen != 0; });
                host_.entropy = e.input;
                Step([&] { PickChest(g, host_, e.choice - 1); });
                break;
            case RecordEvent::FreeGames:
                RunUntil([&] { return g.FreeGameScreen != 0; });
                host_.entropy = e.input;
                Step([&] { PickFreeGames(g, host_, e.choice - 1); });
                break;
            case RecordEvent::Coin:
                RunUntil([&] { return g.CoinScreen && !g.CoinThrown; });
                g.Seed = e.input;
                Step([&] { ThrowCoin(g, host_); });
                break;
            case RecordEvent::Arrow:
                RunUntil([&] { return g.SuperBonusScreen && !g.ArrowSpinning; });
                g.Seed = e.input;
                Step([&] { SpinArrow(g, host_); });
                break;
            case RecordEvent::Insert:
                // A lost risk card leaves the result showing with no win: every frame then fits the
                // bets to the credit, and one may have run before the note went in. The record
                // says what the bets stood at.
                if (e.outCount > 0 && e.out[0] != g.TotalBet && g.HasWin && !g.ReelsStopping[0] && g.Win == 0)
                    Step([&] { FitBetsToCredit(g, host_); });
                Step([&] {
                    g.Credit = AddMoney(g.Credit, e.input, g.MoneyCapped);
                    g.CreditInserted = AddMoney(g.CreditInserted, e.input);
                });
                break;
            case RecordEvent::Outside:
                if (e.choice >= 0 && e.choice < static_cast<int>(r_.outside.size()))
                    Step([&] { ApplyCarried(r_.outside[e.choice], g); }, true);
                break;
            default:
                break;
        }
    }

    const GameRecord& r_;
    GameState g_;
    ReplayHost host_;
    GameRecorder recorder_;
};

// ---- Comparison -------------------------------------------------------------------------

template <typename T>
std::string Text(const T& v) {
    if constexpr (std::is_integral_v<T>) {
        return std::to_string(v);
    } else {
        std::string s = "[";
        for (std::size_t i = 0; i < v.size(); ++i) s += (i ? "," : "") + Text(v[i]);
        return s + "]";
    }
}
std::string Text(const RecordEvent& e) {
    std::string s =
        "[\"" + std::string(1, e.kind) + "\"," + std::to_string(e.choice) + "," + std::to_string(e.input);
    for (int i = 0; i < e.outCount; ++i) s += "," + std::to_string(e.out[i]);
    return s + "]";
}
std::string Text(const RecordLine& l) {
    return "[" + std::to_string(l.line) + "," + std::to_string(l.multiplier) + "," + std::to_string(l.wilds) +
           "," + std::to_string(l.coin) + "]";
}

// Walks two records in step and keeps the first field that differs.
class Comparer {
public:
    explicit Comparer(RecordDifference& d) : d_(d) {}
    bool Found() const { return found_; }

    template <typename T>
    void Num(const char* key, const T& a, const T& b) {
        if (!found_ && !(a == b)) Note(key, Text(a), Text(b));
    }
    void Rare(const char* key, const Money& a, const Money& b) { Num(key, a, b); }
    template <typename Body>
    void Object(const char* key, Body&& body) {
        const std::string outer = prefix_;
        prefix_ += std::string(key) + ".";
        body();
        prefix_ = outer;
    }
    template <typename T>
    void Each(const char* key, const std::vector<T>& a, const std::vector<T>& b) {
        for (std::size_t i = 0; i < a.size() && i < b.size(); ++i)
            if (!found_ && !(a[i] == b[i]))
                Note((std::string(key) + "[" + std::to_string(i) + "]").c_str(), Text(a[i]), Text(b[i]));
        if (!found_ && a.size() != b.size())
            Note((std::string(key) + ".length").c_str(), std::to_string(a.size()), std::to_string(b.size()));
    }
    void Events(const char* key, const std::vector<RecordEvent>& a, const std::vector<RecordEvent>& b) {
        Each(key, a, b);
    }
    void Lines(const char* key, const std::vector<RecordLine>& a, const std::vector<RecordLine>& b) {
        Each(key, a, b);
    }
    void Reels(const char* key, const ReelStrips& a, const ReelStrips& b) { Num(key, a, b); }
    void Carrieds(const char* key, const std::vector<Carried>& a, const std::vector<Carried>& b) {
        for (std::size_t i = 0; i < a.size() && i < b.size() && !found_; ++i)
            Object((std::string(key) + "[" + std::to_string(i) + "]").c_str(),
                   [&] { VisitCarried(*this, a[i], b[i]); });
        if (!found_ && a.size() != b.size())
            Note((std::string(key) + ".length").c_str(), std::to_string(a.size()), std::to_string(b.size()));
    }

private:
    void Note(const char* key, std::string a, std::string b) {
        found_ = true;
        d_ = {prefix_ + key, std::move(a), std::move(b)};
    }
    RecordDifference& d_;
    std::string prefix_;
    bool found_ = false;
};

}  // namespace

bool PossibleRecord(const GameRecord& r) {
    auto within = [](std::int64_t v, std::int64_t low, std::int64_t high) { return v >= low && v <= high; };
    auto possible = [&](const Carried& c) {
        bool ok = within(c.credit, 0, kMoneyCap) && within(c.inserted, 0, kMoneyCap) &&
                  within(c.win, 0, kMoneyCap) && within(c.jackpot, 0, kMoneyCap) &&
                  within(c.pile, 0, kMoneyCap) && within(c.rounds, 0, 255) && within(c.freeGames, 0, 255) &&
                  within(c.arrow, 0, 359) && (c.helmLast == 0 || c.helmLast == 9) && within(c.forced, 0, 1);
        for (int h = 0; h < 3; ++h) ok &= within(c.banks[h], 0, kMoneyCap) && within(c.helms[h], 1, 10);
        for (std::int32_t f : c.fortune) ok &= within(f, -100, 100);
        for (std::int32_t b : c.bets) ok &= within(b, 0, 99);
        return ok;
    };
    bool ok = possible(r.before);
    for (const Carried& c : r.outside) ok &= possible(c);
    for (std::int32_t s : r.presetRows) ok &= within(s, 0, kSymbolCount - 1);
    return ok;
}

bool ReplayGame(const GameRecord& recorded, GameRecord& derived) {
    if (!PossibleRecord(recorded)) {
        derived = GameRecord{};
        return false;
    }
    Replay replay(recorded);
    const bool ended = replay.Run();
    derived = replay.Recorder().Take();
    derived.seq = recorded.seq;
    derived.session = recorded.session;
    derived.startMs = recorded.startMs;
    derived.endMs = recorded.endMs;
    derived.insertedBefore = recorded.insertedBefore;
    return ended;
}

bool FirstDifference(const GameRecord& recorded, const GameRecord& derived, RecordDifference& difference) {
    Comparer compare(difference);
    VisitGame(compare, recorded, derived);
    return compare.Found();
}

}  // namespace vortala
