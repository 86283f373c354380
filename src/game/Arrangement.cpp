// Drawing a reel arrangement and evaluating the fifteen lines. Both run many times per stop key
// when the fortune re-draws, so they work in place and never allocate.
#include "Rules.h"

namespace vortala {

namespace {

constexpr std::array<int, 3> kRowPositions{4, 3, 2};  // top, middle, bottom

// The visible cell (row * 5 + reel, row 0 on top) under each line on each reel.
constexpr std::array<std::array<std::uint8_t, kReels>, kLines> LineCells() {
    std::array<std::array<std::uint8_t, kReels>, kLines> cells{};
    for (int line = 0; line < kLines; ++line)
        for (int reel = 0; reel < kReels; ++reel)
            cells[line][reel] =
                static_cast<std::uint8_t>((kTopRowPosition - kPaylines[line][reel]) * kReels + reel);
    return cells;
}
constexpr auto kLineCells = LineCells();

// The five reels' rejection-sampled permutations, as one stream of Random(10) draws: each
// position takes the first draw not used yet on its reel, and the next reel starts with the next
// draw. Two things keep this near the generator's own speed. The used-symbol mask only ever gains
// the drawn bit (setting a bit twice changes nothing), so the rejection test is off its chain.
// The seeds are stepped two at a time on two interleaved lanes (s[n+2] = a^2 s[n] + a + 1), which
// halves the multiply chain the draws wait on. A rejected draw is written and then overwritten,
// because whether a draw is rejected is random and a mispredicted branch would cost more than
// the draw itself. The draws, their order and the reels are exactly those of the plain loop.
class ReelShuffle {
public:
    explicit ReelShuffle(GameState& g) : g_(g), strip_(g.ReelStrip[0].data()) {}

    void Run() {
        std::uint32_t x = g_.Seed * kLcgMultiplier + 1u;
        std::uint32_t y = x * kLcgMultiplier + 1u;
        for (;;) {
            if (Place(x)) {
                g_.Seed = x;
                return;
            }
            if (Place(y)) {
                g_.Seed = y;
                return;
            }
            x = x * kTwoStepMultiplier + kTwoStepIncrement;
            y = y * kTwoStepMultiplier + kTwoStepIncrement;
        }
    }

private:
    static constexpr std::uint32_t kLcgMultiplier = 134775813u;
    static constexpr std::uint32_t kTwoStepMultiplier = kLcgMultiplier * kLcgMultiplier;
    static constexpr std::uint32_t kTwoStepIncrement = kLcgMultiplier + 1u;
    static constexpr unsigned kAllSymbols = (1u << kDrumPositions) - 1u;

    // One draw; true once it completed the last reel.
    bool Place(std::uint32_t seed) {
        const auto v = static_cast<std::uint32_t>((static_cast<std::uint64_t>(seed) * kDrumPositions) >> 32);
        const unsigned bit = 1u << v;
        const unsigned fresh = (used_ & bit) == 0u;
        strip_[pos_] = static_cast<std::int32_t>(v);
        used_ |= bit;
        pos_ += static_cast<int>(fresh);
        if (used_ != kAllSymbols) return false;
        if (++reel_ == kReels) return true;
        strip_ = g_.ReelStrip[reel_].data();
        used_ = 0;
        pos_ = 0;
        return false;
    }

    GameState& g_;
    std::int32_t* strip_;
    unsigned used_ = 0;
    int pos_ = 0;
    int reel_ = 0;
};

void InsertWilds(GameState& g) {
    if (Random(g, 101) >= 33) return;
    const int attempts = static_cast<int>(Random(g, 5)) + 2;
    bool hasWild[kReels] = {};
    for (int i = 0; i < attempts; ++i) {
        const int reel = static_cast<int>(Random(g, kReels));
        if (hasWild[reel]) continue;
        hasWild[reel] = true;
        g.ReelStrip[reel][Random(g, kDrumPositions)] = kSkull;
    }
}

// The scripted arrangement: the visible rows as given, the hidden positions filled in order with
// the symbols the reel does not show yet.
void PlacePreset(GameState& g) {
    for (int reel = 0; reel < kReels; ++reel) {
        bool shown[kSymbolCount] = {};
        for (int row = 0; row < 3; ++row) {
            const Byte s = g.PresetRows[row][reel];
            g.ReelStrip[reel][kRowPositions[row]] = s;
            shown[s] = true;
        }
        int next = 0;
        for (int pos = 0; pos < kDrumPositions; ++pos) {
            if (pos >= 2 && pos <= 4) continue;
            while (next < kDrumPositions && shown[next]) ++next;
            g.ReelStrip[reel][pos] = next < kDrumPositions ? next++ : kCrab;
        }
    }
}

int PayMultiplier(int symbol, int run) {
    const int i = run - 3;
    switch (symbol) {
        case kCrab:
        case kDolphin:
        case kShark:
            return std::array{5, 20, 200}[i];
        case kToucan:
        case kHelm:
            return std::array{10, 50, 500}[i];
        case kCoin:
            return std::array{20, 100, 500}[i];
        case kBar:
            return std::array{20, 200, 1000}[i];
        case kSkull:
            return run == 5 ? kFiveWildsMultiplier : 0;
        default:
            return 0;
    }
}

// Wilds on the line counted and stood in for.
void SubstituteLineWilds(GameState& g, int line) {
    int wilds = 0;
    for (Byte sym : g.LineSymbols[line]) wilds += sym == kSkull;
    g.LineResult[line].WildCount = wilds;
    if (wilds >= 1 && wilds <= 4) SubstituteWilds(g, line);
}

// A candidate line with a bet: what it pays or marks.
void ScoreLine(GameState& g, int line) {
    const auto& s = g.LineSymbols[line];
    auto& result = g.LineResult[line];
    const int m = s[2];
    if (m == kIsland) return;
    g.HasWin = 1;
    const int run = LineRunLength(s);
    result.Multiplier = PayMultiplier(m, run);
    if (m == kGalleon) result.FreeGameMark = std::array{3, 33, 333}[run - 3];
    if (m == kChest) result.ChestMark = std::array{7, 77, 777}[run - 3];
    if (m == kCoin) result.CoinLine = 1;
}

}  // namespace

// Longest run through the middle reel: 5, 4 or 3.
int LineRunLength(const std::array<Byte, kReels>& s) {
    const int m = s[2];
    if (s[0] == m && s[1] == m && s[3] == m && s[4] == m) return 5;
    if ((s[0] == m && s[1] == m && s[3] == m) || (s[1] == m && s[3] == m && s[4] == m)) return 4;
    return 3;
}

bool IsCandidateLine(const std::array<Byte, kReels>& s) {
    // Bitwise rather than short-circuit: which comparison fails is random, so branches would
    // mispredict on most lines.
    const Byte m = s[2];
    const bool a = s[0] == m, b = s[1] == m, c = s[3] == m, d = s[4] == m;
    return (a & b) | (b & c) | (c & d);
}

void ClearLineResults(GameState& g) {
    for (auto& r : g.LineResult) {
        r.Multiplier = 0;
        r.FreeGameMark = 0;
        r.ChestMark = 0;
    }
}

void RefreshReelFaces(GameState& g) {
    for (int reel = 0; reel < kReels; ++reel)
        for (int pos = 0; pos < kDrumPositions; ++pos)
            g.ReelFaceTexture[reel][pos] = static_cast<Byte>(g.ReelStrip[reel][pos]);
}

void DrawArrangement(GameState& g) {
    ++g.ArrangementsDrawn;
    g.PresetDrawn = g.PresetPending;
    if (g.PresetPending) {
        g.PresetPending = 0;
        PlacePreset(g);
    } else {
        ReelShuffle(g).Run();
        InsertWilds(g);
    }
    if (g.ForcedArrangement) {
        for (auto& strip : g.ReelStrip) {
            strip[2] = kChest;
            strip[3] = kCoin;
            strip[4] = kGalleon;
        }
    }
    // The drum faces are refreshed by the stop key once the fortune has settled the outcome,
    // not here: re-draws would repaint faces nobody sees.
}

void EvaluateArrangement(GameState& g, GameHost& host) {
    g.HasWin = 0;
    g.ScatterCount = 0;
    g.ScatterWon = 0;
    g.WildLineWin = 0;
    g.WildLineWon = 0;
    g.LineResult.fill(LineResultRecord{});
    g.ScatterMark.fill(0);  // cells of a thrown-away arrangement must not keep their frames

    // The visible cells once (row 0 on top), then every line reads from them.
    Byte cells[kVisibleCells];
    bool wildsVisible = false;
    int scatters = 0;
    for (int cell = 0; cell < kVisibleCells; ++cell) {
        const Byte s = static_cast<Byte>(g.ReelStrip[cell % kReels][kRowPositions[cell / kReels]]);
        cells[cell] = s;
        wildsVisible |= s == kSkull;
        scatters += s == kIsland;
    }
    for (int line = 0; line < kLines; ++line)
        for (int reel = 0; reel < kReels; ++reel) g.LineSymbols[line][reel] = cells[kLineCells[line][reel]];

    g.ScatterCount = scatters;
    if (scatters >= 3) {
        g.ScatterWon = 1;
        for (int cell = 0; cell < kVisibleCells; ++cell) g.ScatterMark[cell] = cells[cell] == kIsland;
    }

    // Which lines are candidates, as a mask built without branches (most lines are not, but which
    // ones are is random); only those are scored.
    if (wildsVisible)
        for (int line = 0; line < kLines; ++line) SubstituteLineWilds(g, line);
    unsigned candidates = 0;
    for (int line = 0; line < kLines; ++line)
        candidates |= static_cast<unsigned>(IsCandidateLine(g.LineSymbols[line]) & (g.LineBet[line] > 0))
                      << line;
    for (; candidates != 0; candidates &= candidates - 1) ScoreLine(g, __builtin_ctz(candidates));

    static constexpr std::array<int, 5> kWildOnlyPay{0, 1, 10, 50, 200};
    for (int line = 0; wildsVisible && line < kLines; ++line) {
        const auto& r = g.LineResult[line];
        if (r.Multiplier != 0 || r.WildCount < 1 || r.WildCount > 4 || g.LineBet[line] <= 0) continue;
        g.WildLineWin += static_cast<Money>(g.LineBet[line]) * kWildOnlyPay[r.WildCount];
    }
    if (g.WildLineWin > 0) {
        g.WildLineWon = 1;
        g.HasWin = 1;
    }
    if (g.ScatterWon && g.TotalBet > 0) g.HasWin = 1;

    // A scripted arrangement is what the script asked for: the fortune leaves it alone.
    if (g.FortuneActive && !g.PresetDrawn) ApplySpinFortune(g, host);
}

}  // namespace vortala
