#include "ParSheet.h"

#include <cmath>
#include <cstdio>

#include "ParModel.h"
#include "ParSvg.h"
#include "RtpSummary.h"

namespace vortala::sim {

namespace {

std::string Format(const char* format, double v) {
    char text[64];
    std::snprintf(text, sizeof text, format, v);
    return text;
}
std::string Percent(double v) {
    return Format(v != 0 && std::fabs(v) < 1e-4 ? "%.3e%%" : "%.4f%%", v * 100);
}
std::string OneIn(double p) {
    return p > 0 ? "1 in " + Format(p < 1e-3 ? "%.0f" : "%.2f", 1 / p) : "never";
}

// The rtp estimate of a chance from k of n games, its 95% interval and whether the exact figure
// lies within it.
struct Estimate {
    std::string value, interval, within;
};
Estimate Compare(double exact, double estimate, double halfWidth, bool asPercent = true) {
    auto show = [&](double v) { return asPercent ? Percent(v) : Format("%.5f", v); };
    const bool inside = std::fabs(exact - estimate) <= halfWidth;
    return {show(estimate), "+- " + show(halfWidth), inside ? "yes" : "NO"};
}
Estimate CompareCount(double exact, std::uint64_t k, std::uint64_t n) {
    const double p = n ? static_cast<double>(k) / static_cast<double>(n) : 0.0;
    return Compare(exact, p, 1.96 * std::sqrt(p * (1 - p) / static_cast<double>(n ? n : 1)));
}

// What every table of the sheet reads.
struct SheetContext {
    const ParShard& run;
    const ParReportInputs& in;
    ParFigures f;
    RtpSummary s;
};

Table RunTable(const SheetContext& c) {
    const ParOptions& o = c.run.options;
    const ParTally& t = c.run.run.tally;
    const ParFigures& f = c.f;
    const bool rtp = c.in.hasRtp;
    const RtpTally& r = c.in.rtp.tally;
    const ParShard& run = c.run;
    const ParReportInputs& in = c.in;
    std::string bets;
    for (int i = 0; i < 15; ++i) bets += (i ? "," : "") + std::to_string(o.bets[i]);
    Table settings{"The run", {"", ""}, {}, ""};
    settings.rows = {
        {"bets on lines 1..15", bets},
        {"fortune (spin, risk, bonus)", std::to_string(o.fortuneSpin) + ", " + std::to_string(o.fortuneRisk) +
                                            ", " + std::to_string(o.fortuneBonus)},
        {"player ahead", o.ahead ? "yes" : "no"},
        {"generator states", std::to_string(t.states) + " (from " + std::to_string(o.first) + ")"},
        {"arrangements drawn", std::to_string(t.arrangementsDrawn) + " (" + Format("%.4f", f.drawnPerSpin) +
                                   " per state; " + Percent(f.redrawn) + " of outcomes re-drawn)"},
        {"time", Format("%.0f s", run.run.seconds) + " on " + std::to_string(run.run.threads) + " threads, " +
                     Format("%.0f", static_cast<double>(t.states) / std::max(run.run.threadSeconds, 1e-9)) +
                     " states per thread-second"}};
    if (rtp)
        settings.rows.push_back({"set beside", "vortala-sim rtp, " + std::to_string(r.games) +
                                                   " games, seed " + std::to_string(in.rtpOptions.seed) +
                                                   ", fortune " + std::to_string(in.rtpOptions.fortuneSpin) +
                                                   "," + std::to_string(in.rtpOptions.fortuneRisk) + "," +
                                                   std::to_string(in.rtpOptions.fortuneBonus) + ", gamble " +
                                                   std::to_string(in.rtpOptions.gamble)});
    return settings;
}

Table SourcesTable(const SheetContext& c) {
    const ParFigures& f = c.f;
    const bool rtp = c.in.hasRtp;
    const RtpTally& r = c.in.rtp.tally;
    const RtpSummary& s = c.s;
    Table sources{
        "Return to player by source (points of the RTP, over the money staked)",
        {"source", "PAR", "rtp estimate", "difference"},
        {},
        "The PAR figures are the long run of the exact per-spin figures below (gamble 0: every win is "
        "taken at once). rtp keeps no spread per source, so only the total has an interval. The jackpot row "
        "differs by construction: rtp books the jackpots won in paid games plus the jackpot fed but not won, "
        "the PAR sheet what the paid games' own voyages feed (free spins' voyages count under free games); "
        "the stores below compare the feed itself."};
    const double bySource[] = {f.linePays,       f.jackpot, f.barrels,      f.chests,
                               f.coinGameReturn, 0.0,       f.voyageReturn, f.freeSpinReturn};
    for (int i = 0; i < 8; ++i) {
        std::vector<std::string> row{SourceName(static_cast<Source>(i)), Percent(bySource[i]), "", ""};
        if (rtp) {
            double est = s.shareOfStake[i];
            if (static_cast<Source>(i) == Source::Jackpot)
                est += static_cast<double>(r.jackpotKept) / static_cast<double>(r.staked);
            row[2] = Percent(est);
            row[3] = Format("%+.4f", (bySource[i] - est) * 100);
        }
        sources.rows.push_back(row);
    }
    std::vector<std::string> total{"total (RTP)", Percent(f.rtp), "", ""};
    if (rtp) {
        const Estimate e = Compare(f.rtp, s.rtp, s.halfWidth);
        total[2] = e.value + " " + e.interval;
        total[3] = Format("%+.4f", (f.rtp - s.rtp) * 100) + (e.within == "yes" ? " (within)" : " (OUTSIDE)");
    }
    sources.rows.push_back(total);
    return sources;
}

Table StoresTable(const SheetContext& c) {
    const ParTally& t = c.run.run.tally;
    const ParFigures& f = c.f;
    const bool rtp = c.in.hasRtp;
    const RtpTally& r = c.in.rtp.tally;
    Table stores{"Money fed to the stores (points of the money staked, free spins included)",
                 {"store", "PAR", "rtp estimate", "difference"},
                 {},
                 "What the spins feed to the helm banks, the coin pile and the jackpot, whatever game later "
                 "pays it: the cleanest comparison of the jackpot, which both books differently by source."};
    const double allSpins = 1.0 / (1.0 - f.freeSpinShare) / f.totalBet;
    const double fed[] = {static_cast<double>(t.scatterPays) / static_cast<double>(t.states) * allSpins,
                          static_cast<double>(t.wildLinePays) / static_cast<double>(t.states) * allSpins, 0.0,
                          static_cast<double>(t.coinLinePays) / static_cast<double>(t.states) * allSpins,
                          f.jackpotFeed * allSpins};
    for (int i = 0; i < kStoreCount; ++i) {
        std::vector<std::string> cells{StoreName(static_cast<Store>(i)), Percent(fed[i]), "", ""};
        if (rtp) {
            const double est = static_cast<double>(r.fed[i]) / static_cast<double>(r.staked);
            cells[2] = Percent(est);
            cells[3] = Format("%+.4f", (fed[i] - est) * 100);
        }
        stores.rows.push_back(cells);
    }
    return stores;
}

Table SpinTable(const SheetContext& c) {
    const ParTally& t = c.run.run.tally;
    const ParFigures& f = c.f;
    const bool rtp = c.in.hasRtp;
    const RtpTally& r = c.in.rtp.tally;
    Table spin{"The spin (per stop key, exact)",
               {"figure", "PAR", "rtp estimate", "95% interval", "within"},
               {},
               ""};
    auto row = [&](const std::string& name, double exact, const Estimate* e) {
        std::vector<std::string> cells{name, Percent(exact) + " (" + OneIn(exact) + ")", "", "", ""};
        if (e) {
            cells[2] = e->value;
            cells[3] = e->interval;
            cells[4] = e->within;
        }
        spin.rows.push_back(cells);
    };
    const Estimate hit = rtp ? CompareCount(f.hit, r.hits, r.games) : Estimate{};
    row("hit frequency (anything won)", f.hit, rtp ? &hit : nullptr);
    row("a line pays money", f.paying, nullptr);
    row("a coin line", f.coinLine, nullptr);
    row("a wild-only line", f.wildLine, nullptr);
    row("3 or more islands", f.scatters, nullptr);
    const Estimate five = rtp ? CompareCount(f.fiveWilds, r.bonuses[7], r.games) : Estimate{};
    row("five wilds (jackpot)", f.fiveWilds, rtp ? &five : nullptr);
    for (int i = 0; i < 3; ++i) {
        row(std::to_string(i + 3) + " chests", f.chest[i], nullptr);
        row(std::to_string(i + 3) + " galleons", f.freeGames[i], nullptr);
    }
    for (int i = 0; i < 6; ++i)
        row(std::to_string(i) + " islands in view",
            static_cast<double>(t.islands[i]) / static_cast<double>(t.states), nullptr);
    spin.rows.push_back({"the spin's own win, mean", Format("%.5f line bets", f.winMean), "", "", ""});
    spin.rows.push_back({"the spin's own win, variance",
                         Format("%.3f line bets squared", f.winSigma * f.winSigma), "", "", ""});
    spin.rows.push_back(
        {"the spin's own win, standard deviation", Format("%.4f line bets", f.winSigma), "", "", ""});
    spin.note =
        "The spin's own win: line pays (coin lines and five wilds' 101 included), wild-only lines and "
        "islands, in line bets; no jackpot or bonus.";
    return spin;
}

Table LinesTable(const SheetContext& c) {
    const ParTally& t = c.run.run.tally;
    const ParFigures& f = c.f;
    Table lines{
        "Lines by middle symbol and run (lines per million spins; money per spin in line bets)",
        {"symbol", "run 3", "run 4", "run 5", "pays per spin"},
        {},
        "Galleon and chest lines mark a bonus and pay nothing themselves; five wilds pay 101 x the line "
        "bet besides the jackpot."};
    static constexpr const char* kSymbols[] = {"island", "crab",    "dolphin", "shark", "toucan", "helm",
                                               "coin",   "galleon", "bar",     "chest", "wild"};
    for (int sym = 1; sym < kSymbolCount; ++sym) {
        std::vector<std::string> cells{kSymbols[sym]};
        double pays = 0;
        for (int run3 = 0; run3 < 3; ++run3) {
            cells.push_back(Format(
                "%.2f", 1e6 * static_cast<double>(t.lines[sym][run3]) / static_cast<double>(t.states)));
            pays += static_cast<double>(sym == kSkull ? (run3 == 2 ? t.fiveWildPays : 0)
                                                      : t.linePaysBySymbol[sym][run3]);
        }
        cells.push_back(Format("%.6f", pays / static_cast<double>(t.states) / f.lineBet));
        lines.rows.push_back(cells);
    }
    return lines;
}

Table BonusItemsTable(const SheetContext& c) {
    const ParFigures& f = c.f;
    Table bonus{
        "After the spin (exact over the states as the generator's state or the entropy)",
        {"item", "PAR"},
        {},
        "The player picks any chest or item alike; the voyage's doublings are those of its arrow started "
        "where the last voyage left it (a Markov chain over the 360 angles, solved to its stationary "
        "distribution)."};
    for (int i = 0; i < 3; ++i)
        bonus.rows.push_back({std::to_string(i + 3) + " chests: expected multiple of the total bet",
                              Format("%.6f", f.chestMultiple[i])});
    for (int i = 0; i < 3; ++i)
        bonus.rows.push_back(
            {std::to_string(i + 3) + " galleons: expected free games", Format("%.6f", f.freeGamesAward[i])});
    bonus.rows.push_back({"coin x0 / x2 / x5 / x10", Percent(f.coinFace[0]) + " / " + Percent(f.coinFace[1]) +
                                                         " / " + Percent(f.coinFace[2]) + " / " +
                                                         Percent(f.coinFace[3])});
    bonus.rows.push_back({"coin: expected multiplier", Format("%.6f", f.coinMultiplier)});
    bonus.rows.push_back(
        {"barrel powder / empty / full",
         Percent(f.barrel[0]) + " / " + Percent(f.barrel[1]) + " / " + Percent(f.barrel[2])});
    bonus.rows.push_back(
        {"share of a helm bank a full barrel pays in the long run", Percent(f.bankPaidShare)});
    bonus.rows.push_back({"risk card matching the guess", Percent(f.riskCard)});
    std::string doublings;
    for (int j = 0; j < 9; ++j) doublings += (j ? " / " : "") + Format("%.5f", f.voyageDoublings[j]);
    bonus.rows.push_back({"voyage: chance of 0..8 doublings", doublings});
    bonus.rows.push_back({"voyage: expected multiplier of the win", Format("%.6f", f.voyageMultiplier)});
    return bonus;
}

Table LongRunTable(const SheetContext& c) {
    const ParFigures& f = c.f;
    const bool rtp = c.in.hasRtp;
    const RtpTally& r = c.in.rtp.tally;
    Table longRun{
        "Long run (per game, free spins included)",
        {"figure", "PAR", "rtp estimate", "95% interval", "within"},
        {},
        "Barrel bonuses from the chain of the two helms' positions; coin games every fifth game with a "
        "coin line. Counted bonuses repeat on a cycle (helms, coin rounds), so their binomial interval "
        "is only a guide. Free spins come in runs: their interval is that of a compound Poisson count, "
        "from the exact distribution of the free games a trigger wins."};
    auto longRow = [&](const std::string& name, double exact, int bonusIndex) {
        std::vector<std::string> cells{name, OneIn(exact), "", "", ""};
        if (rtp && bonusIndex >= 0) {
            const Estimate e = CompareCount(exact, r.bonuses[bonusIndex], r.games);
            const double p = static_cast<double>(r.bonuses[bonusIndex]) / static_cast<double>(r.games);
            cells[2] = OneIn(p);
            cells[3] = e.interval;
            cells[4] = e.within;
        }
        longRun.rows.push_back(cells);
    };
    longRow("barrel bonus", f.barrelBonus, 0);
    longRow("chests", f.chestBonus, 1);
    longRow("free games", f.freeGamesBonus, 2);
    longRow("coin game", f.coinGame, 3);
    longRow("voyage", f.voyage, 6);
    longRow("five wilds (jackpot)", f.fiveWilds, 7);
    std::vector<std::string> share{"free spins, share of games", Percent(f.freeSpinShare), "", "", ""};
    if (rtp) {
        const double n = static_cast<double>(r.games);
        const Estimate e = Compare(f.freeSpinShare, static_cast<double>(r.freeSpins) / n,
                                   1.96 * std::sqrt(f.freeGamesSquare / n));
        share[2] = e.value;
        share[3] = e.interval;
        share[4] = e.within;
    }
    longRun.rows.push_back(share);
    longRun.rows.push_back({"jackpot fed per game",
                            Format("%.6f", f.jackpotFeed) + " (" +
                                Format("%.5f%%", f.jackpotFeed / f.totalBet * 100) + " of a stake)",
                            "", "", ""});
    if (f.fiveWilds > 0)
        longRun.rows.push_back({"jackpot: mean size when won (feed x games between wins)",
                                Format("%.1f", f.jackpotFeed / f.fiveWilds), "", "", ""});
    return longRun;
}

Table WinsTable(const SheetContext& c) {
    const ParTally& t = c.run.run.tally;
    const ParFigures& f = c.f;
    Table wins{"Distribution of the spin's own win", {"win in line bets", "states", "chance"}, {}, ""};
    for (const WinBin& b : WinBins(t, f.lineBet)) {
        if (b.states == 0) continue;
        wins.rows.push_back({b.to == 0 ? "none" : Format("%.0f", b.from) + " to " + Format("%.0f", b.to),
                             std::to_string(b.states),
                             Format("%.3e", static_cast<double>(b.states) / static_cast<double>(t.states))});
    }
    return wins;
}

}  // namespace

std::vector<Table> BuildSheet(const ParShard& run, const ParReportInputs& in) {
    const SheetContext c{run, in, ComputeParFigures(run.options, run.run.tally, run.run.tally),
                         in.hasRtp ? Summarise(in.rtp.tally) : RtpSummary{}};
    std::vector<Table> sheet{RunTable(c),   SourcesTable(c),    StoresTable(c),  SpinTable(c),
                             LinesTable(c), BonusItemsTable(c), LongRunTable(c), WinsTable(c)};

    if (!in.curves.empty()) {
        Table curves{"RTP against each fortune setting", {"fortune", "setting", "RTP"}, {}, ""};
        for (const FortunePoint& p : in.curves)
            curves.rows.push_back({p.which == 0   ? "spin"
                                   : p.which == 1 ? "risk"
                                                  : "bonus",
                                   std::to_string(p.setting), Percent(p.rtp)});
        curves.note =
            "Each point: the spin's figures (spin fortune) or the bonus items (bonus fortune) from " +
            std::to_string(in.sweepStates) +
            " states from 0, the rest exact from this run; estimates, not exact figures. The risk "
            "fortune changes nothing while every win is taken at once.";
        sheet.push_back(curves);
    }
    return sheet;
}

}  // namespace vortala::sim
