#include "MachinePlayer.h"

#include "FastPlayer.h"

namespace vortala::sim::test {

namespace {
constexpr std::uint32_t kFrameMs = 30;
constexpr std::uint32_t kGameLimitMs = 600000;
}  // namespace

MachinePlayer::MachinePlayer(const RtpOptions& o, std::uint32_t entropySeed, std::uint64_t choiceSeed)
    : host_(entropySeed), choices_(choiceSeed), options_(o) {
    Settings& s = machine().Options();
    s.fortuneSpin = o.fortuneSpin;
    s.fortuneRisk = o.fortuneRisk;
    s.fortuneBonus = o.fortuneBonus;
    s.autoStop = false;
    s.sounds = false;  // no sounds to collect
    machine().ApplyOptions();
    // Any key ends the intro; the opening reels then unfold and stop by themselves.
    InputEvent up;
    up.kind = InputEvent::Kind::KeyUp;
    up.key = vk::F12;
    host_.Input(up);
    host_.Settle(kGameLimitMs);
}

void MachinePlayer::Press(int key) {
    InputEvent e;
    e.key = key;
    e.kind = InputEvent::Kind::KeyDown;
    host_.Input(e);
    e.kind = InputEvent::Kind::KeyUp;
    host_.Input(e);
}

bool MachinePlayer::PlayGame(RtpTally& t) {
    GameState& g = machine().EditState();
    const Money jackpot = g.Jackpot;
    t.inserted += ReadyStake(g, machine(), options_.betPerLine);
    const Money before = g.Credit;
    Press(vk::Space);
    const Money stake = before - g.Credit;
    const Money afterStake = g.Credit;
    std::uint32_t waited = 0;
    for (; waited < kGameLimitMs && (g.ReelsStarting || g.InputLocked); waited += kFrameMs)
        host_.Advance(kFrameMs);
    Press(vk::Space);
    const bool hit = g.HasWin;
    bool idle = false;
    for (; !idle && waited < kGameLimitMs; waited += kFrameMs) {
        host_.Advance(kFrameMs);
        React(t);
        idle = host_.Settle(0);
    }
    t.AddGame(stake, g.Credit - afterStake, g.Jackpot - jackpot, hit, t.games + 1);
    if (!idle) ++t.stuckGames;
    return idle;
}

void MachinePlayer::React(RtpTally& t) {
    GameState& g = machine().EditState();
    auto count = [&](Bonus b) { ++t.bonuses[static_cast<int>(b)]; };
    if (g.BarrelScreen && !g.BarrelOpened) {
        // The mouse rests over a barrel; Space opens it once the completing helms stand still.
        if (g.BarrelChoice < 1 || g.BarrelChoice > 3)
            g.BarrelChoice = static_cast<Byte>(1 + choices_.Below(3));
        if (CanOpenBarrel(g)) {
            count(Bonus::Barrels);
            Press(vk::Space);
        }
    } else if (g.CoinScreen && !g.CoinThrown) {
        count(Bonus::CoinGame);
        Press(vk::Space);
    } else if (g.RiskScreen && !g.RiskLocked) {
        if (g.RiskStep == 0) count(Bonus::RiskGame);
        if (g.RiskStep < options_.gamble)
            Press(choices_.Below(2) == 0 ? vk::Left : vk::Right);
        else if (g.RiskGuess[6] == 0)
            Press(vk::Down);
    } else if (g.FreeGameScreen && !g.FreeGamePicked) {
        count(Bonus::FreeGames);
        Press(vk::Numpad(1 + choices_.Below(6)));
    } else if (g.ChestScreen && !g.ChestPicked) {
        count(Bonus::Chests);
        Press(vk::Numpad(1 + choices_.Below(5)));
    } else if (g.SuperBonusScreen && !g.ArrowSpinning) {
        if (g.ShipSquare == 0) count(Bonus::Voyage);
        Press(vk::Space);
    }
}

}  // namespace vortala::sim::test
