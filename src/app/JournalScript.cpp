#include "app/JournalScript.h"

#include <sstream>

#include "game/Rules.h"

namespace vortala {

namespace {

template <typename T, std::size_t N>
std::string List(const std::array<T, N>& values) {
    std::string s = "[";
    for (std::size_t i = 0; i < N; ++i) s += (i ? "," : "") + std::to_string(values[i]);
    return s + "]";
}

void SetCarried(std::ostream& out, const Carried& c) {
    out << "set Credit " << c.credit << "\nset CreditInserted " << c.inserted << "\nset Win " << c.win
        << "\nset Jackpot " << c.jackpot << '\n';
    for (int h = 0; h < 3; ++h)
        out << "set HelmBank[" << h << "] " << c.banks[h] << "\nset HelmPosition[" << h << "] " << c.helms[h]
            << "\nset HelmAngle[" << h << "] " << HelmAngleOfPosition(c.helms[h]) << "\nset HelmTurning[" << h
            << "] 0\n";
    out << "set CoinPile " << c.pile << "\nset CoinRounds " << c.rounds << "\nset FreeGames " << c.freeGames
        << "\nset ArrowAngle " << c.arrow << "\nset FortuneSpin " << c.fortune[0] << "\nset FortuneRisk "
        << c.fortune[1] << "\nset FortuneBonus " << c.fortune[2] << "\nset HelmLastBeforeBonus " << c.helmLast
        << "\nset ForcedArrangement " << c.forced << '\n';
    for (int l = 0; l < kLines; ++l) out << "set LineBet[" << l << "] " << c.bets[l] << '\n';
    out << "call RecomputeTotalBet\n";
}

void ExpectCarried(std::ostream& out, const Carried& c) {
    out << "until HelmTurning [0,0,0]\n"
        << "expect Credit " << c.credit << "\nexpect Win " << c.win << "\nexpect Jackpot " << c.jackpot
        << "\nexpect HelmBank " << List(c.banks) << "\nexpect HelmPosition " << List(c.helms)
        << "\nexpect CoinPile " << c.pile << "\nexpect CoinRounds " << c.rounds << "\nexpect FreeGames "
        << c.freeGames << '\n';
}

void Stop(std::ostream& out, const GameRecord& g, const RecordEvent& e) {
    if (g.preset) {
        out << "reels";
        for (std::int32_t s : g.presetRows) out << ' ' << s;
        out << '\n';
    }
    out << "until ReelsStarting 0\nseed " << e.input
        << "\nkey Space            # stop: the reels are drawn\n";
    for (int r = 0; r < kReels; ++r) out << "expect ReelStrip[" << r << "] " << List(g.reels[r]) << '\n';
    if (e.outCount > 0) out << "expect HasWin " << e.out[0] << '\n';
}

}  // namespace

std::string GameScript(const GameRecord& g) {
    std::ostringstream out;
    out << "# Game " << g.seq << " of session " << g.session << ", played again from its record.\n"
        << "key Insert           # ends the opening show\nsettle\noption autoStop 0\n";
    SetCarried(out, g.before);
    out << "key Space            # start: " << (g.free ? "a free spin" : "stake " + std::to_string(g.stake))
        << '\n';
    int cards = 0;  // cards dealt in the current risk game
    char previous = 0;
    for (const RecordEvent& e : g.events) {
        const bool risk = e.kind == RecordEvent::Guess || e.kind == RecordEvent::Take;
        if (risk && previous != RecordEvent::Guess && previous != RecordEvent::Take) cards = 0;
        if (e.kind != RecordEvent::Insert && e.kind != RecordEvent::Outside) previous = e.kind;
        switch (e.kind) {
            case RecordEvent::Stop:
                Stop(out, g, e);
                break;
            case RecordEvent::Collect:
                out << "until AwaitingCollection 0\n";
                break;
            case RecordEvent::Insert:
                for (std::uint32_t m = 0; m < e.input; m += 100) out << "key Insert\n";
                break;
            case RecordEvent::Guess:
            case RecordEvent::Take:
                out << "until RiskScreen 1\nuntil RiskLocked 0\n";
                if (e.kind == RecordEvent::Take) {
                    out << "key Down             # take\n";
                    break;
                }
                out << "entropy " << e.input << "\nkey "
                    << (e.choice == 1 ? "Left             # red" : "Right            # black") << '\n';
                if (e.outCount > 0) out << "expect RiskCard[" << cards << "] " << e.out[0] << '\n';
                ++cards;
                break;
            case RecordEvent::Barrel:
                out << "until BarrelScreen 1\nuntil HelmTurning [0,0,0]\nkey Down\n";
                if (e.choice != 2) out << "key " << (e.choice == 1 ? "Left" : "Right") << '\n';
                out << "seed " << e.input << "\nkey Space            # barrel " << e.choice << '\n';
                if (e.outCount > 0)
                    out << "expect BarrelContent[" << e.choice - 1 << "] " << e.out[0] << '\n';
                break;
            case RecordEvent::Chest:
                out << "until ChestScreen 1\nentropy " << e.input << "\nkey Num" << e.choice << '\n';
                for (int i = 0; i < e.outCount; ++i)
                    out << "expect Chests[" << i << "].ChestValue " << e.out[i] << '\n';
                break;
            case RecordEvent::FreeGames:
                out << "until FreeGameScreen 1\nentropy " << e.input << "\nkey Num" << e.choice << '\n';
                for (int i = 0; i < e.outCount; ++i)
                    out << "expect FreeGameItems[" << i << "].FreeGameValue " << e.out[i] << '\n';
                break;
            case RecordEvent::Coin:
                out << "until CoinScreen 1\nseed " << e.input << "\nkey Space            # the coin\n";
                if (e.outCount > 0) out << "expect CoinMultiplier " << e.out[0] << '\n';
                break;
            case RecordEvent::Arrow:
                out << "until SuperBonusScreen 1\nuntil ArrowSpinning 0\nseed " << e.input
                    << "\nkey Space            # the arrow\n";
                if (e.outCount > 1) out << "until ShipSquare " << e.out[1] << '\n';
                break;
            case RecordEvent::Outside:
                out << "# changed outside the rules here:\n";
                if (e.choice >= 0 && e.choice < static_cast<int>(g.outside.size()))
                    SetCarried(out, g.outside[e.choice]);
                break;
            default:
                break;
        }
    }
    out << "settle\n";
    ExpectCarried(out, g.after);
    return out.str();
}

}  // namespace vortala
