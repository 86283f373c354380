#include "ParReport.h"

#include <cmath>
#include <cstdio>
#include <fstream>
#include <ostream>
#include <sstream>

#include "CommandText.h"
#include "ParModel.h"
#include "ParOutcome.h"
#include "ParSvg.h"
#include "RtpMerge.h"
#include "RtpSummary.h"

namespace vortala::sim {

namespace {

// One table of the sheet; every output (text, Markdown, web page) renders the same tables.
struct Table {
    std::string title;
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;
    std::string note;
};

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

std::vector<Table> BuildSheet(const ParShard& run, const ParReportInputs& in) {
    const ParOptions& o = run.options;
    const ParTally& t = run.run.tally;
    const ParFigures f = ComputeParFigures(o, t, t);
    std::vector<Table> sheet;
    const bool rtp = in.hasRtp;
    const RtpTally& r = in.rtp.tally;
    const RtpSummary s = rtp ? Summarise(r) : RtpSummary{};

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
    sheet.push_back(settings);

    Table sources{
        "Return to player by source (points of the RTP, over the money staked)",
        {"source", "PAR", "rtp estimate", "difference"},
        {},
        "The PAR figures are the long run of the exact per-spin figures below (gamble 0: every win is "
        "taken at once). rtp keeps no spread per source, so only the total has an interval. rtp books "
        "the jackpot as paid by five wilds plus the jackpot fed but not won; the PAR sheet, as fed."};
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
    sheet.push_back(sources);

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
    sheet.push_back(stores);

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
    spin.rows.push_back(
        {"the spin's own win, standard deviation", Format("%.4f line bets", f.winSigma), "", "", ""});
    spin.note =
        "The spin's own win: line pays (coin lines and five wilds' 101 included), wild-only lines and "
        "islands, in line bets; no jackpot or bonus.";
    sheet.push_back(spin);

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
    sheet.push_back(lines);

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
    sheet.push_back(bonus);

    Table longRun{
        "Long run (per game, free spins included)",
        {"figure", "PAR", "rtp estimate", "95% interval", "within"},
        {},
        "Barrel bonuses from the chain of the two helms' positions; coin games every fifth game with a "
        "coin line. Counted bonuses repeat on a cycle (helms, coin rounds), so their binomial interval "
        "is only a guide."};
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
        const Estimate e = CompareCount(f.freeSpinShare, r.freeSpins, r.games);
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
    sheet.push_back(longRun);

    Table wins{"Distribution of the spin's own win", {"win in line bets", "states", "chance"}, {}, ""};
    for (const WinBin& b : WinBins(t, f.lineBet)) {
        if (b.states == 0) continue;
        wins.rows.push_back({b.to == 0 ? "none" : Format("%.0f", b.from) + " to " + Format("%.0f", b.to),
                             std::to_string(b.states),
                             Format("%.3e", static_cast<double>(b.states) / static_cast<double>(t.states))});
    }
    sheet.push_back(wins);

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

void RenderText(std::ostream& out, const std::vector<Table>& sheet) {
    for (const Table& table : sheet) {
        out << table.title << '\n';
        std::vector<std::size_t> width(table.header.size(), 0);
        auto measure = [&](const std::vector<std::string>& cells) {
            for (std::size_t i = 0; i < cells.size() && i < width.size(); ++i)
                width[i] = std::max(width[i], cells[i].size());
        };
        measure(table.header);
        for (const auto& cells : table.rows) measure(cells);
        auto print = [&](const std::vector<std::string>& cells) {
            out << ' ';
            for (std::size_t i = 0; i < cells.size(); ++i)
                out << ' ' << cells[i] << std::string(width[i] - cells[i].size() + 1, ' ');
            out << '\n';
        };
        if (!table.header.front().empty()) print(table.header);
        for (const auto& cells : table.rows) print(cells);
        out << '\n';
    }
}

std::string Escape(const std::string& text) {
    std::string out;
    for (char c : text) out += c == '<' ? "&lt;" : c == '>' ? "&gt;" : c == '&' ? "&amp;" : std::string(1, c);
    return out;
}

void RenderMarkdown(std::ostream& out, const std::vector<Table>& sheet) {
    for (const Table& table : sheet) {
        out << "## " << table.title << "\n\n|";
        for (const auto& h : table.header) out << ' ' << h << " |";
        out << "\n|";
        for (std::size_t i = 0; i < table.header.size(); ++i) out << "---|";
        out << '\n';
        for (const auto& cells : table.rows) {
            out << '|';
            for (const auto& c : cells) out << ' ' << c << " |";
            out << '\n';
        }
        out << '\n';
        if (!table.note.empty()) out << table.note << "\n\n";
    }
}

void RenderHtml(std::ostream& out, const std::vector<Table>& sheet) {
    for (const Table& table : sheet) {
        out << "<h2>" << Escape(table.title) << "</h2>\n<table>\n<tr>";
        for (const auto& h : table.header) out << "<th>" << Escape(h) << "</th>";
        out << "</tr>\n";
        for (const auto& cells : table.rows) {
            out << "<tr>";
            for (const auto& c : cells)
                out << (c == "NO" ? "<td class=\"out\">" : "<td>") << Escape(c) << "</td>";
            out << "</tr>\n";
        }
        out << "</table>\n";
        if (!table.note.empty()) out << "<p>" << Escape(table.note) << "</p>\n";
    }
}

// Where a Markdown file's plots go: beside it, named after it.
std::string Beside(const std::string& path, const std::string& suffix) {
    const std::size_t dot = path.rfind('.');
    const std::size_t slash = path.rfind('/');
    const std::string stem =
        dot != std::string::npos && (slash == std::string::npos || dot > slash) ? path.substr(0, dot) : path;
    return stem + suffix;
}
std::string BaseName(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool WriteFile(const std::string& path, const std::string& text, std::string& error) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << text;
    out.close();
    if (!out) {
        error = "cannot write " + path;
        return false;
    }
    return true;
}

}  // namespace

bool ReadRtpComparison(const std::string& path, ParReportInputs& inputs, std::string& error) {
    std::string text;
    if (!ReadTextFile(path, text)) {
        error = "cannot read it";
        return false;
    }
    ShardReport report;
    report.name = path;
    if (!MergeShardTexts({{path, text}}, report, error)) return false;
    inputs.hasRtp = true;
    inputs.rtpOptions = report.options;
    inputs.rtp = report.run;
    return true;
}

std::vector<FortunePoint> SweepFortunes(const ParOptions& o, std::uint64_t states, std::ostream& progress,
                                        const ParTally& exact) {
    std::vector<FortunePoint> points;
    for (int which = 0; which < 3; ++which) {
        for (int setting = -100; setting <= 100; setting += 20) {
            ParOptions p = o;
            (which == 0 ? p.fortuneSpin : which == 1 ? p.fortuneRisk : p.fortuneBonus) = setting;
            // The spin's figures or the bonus items from the sub-range; the rest exact from the run.
            ParTally sampled;
            StateOutcomes outcomes(p);
            for (std::uint64_t s = 0; s < states; ++s) {
                if (which == 0)
                    outcomes.AddSpin(static_cast<std::uint32_t>(s), sampled);
                else
                    outcomes.AddBonusItems(static_cast<std::uint32_t>(s), sampled);
            }
            if (which != 0) sampled.states = states;
            const ParFigures f =
                which == 0 ? ComputeParFigures(p, sampled, exact) : ComputeParFigures(p, exact, sampled);
            points.push_back({which, setting, f.rtp});
            progress << "\rfortune curves: " << points.size() << " of 33 points" << std::flush;
        }
    }
    progress << '\n';
    return points;
}

bool WriteParSheet(const std::string& path, SheetKind kind, const ParShard& run,
                   const ParReportInputs& inputs, std::string& error) {
    const std::vector<Table> sheet = BuildSheet(run, inputs);
    const ParFigures f = ComputeParFigures(run.options, run.run.tally, run.run.tally);
    const std::string wins = WinDistributionSvg(WinBins(run.run.tally, f.lineBet), run.run.tally.states);
    const std::string curves = inputs.curves.empty()
                                   ? std::string()
                                   : FortuneCurvesSvg(inputs.curves, f.rtp, run.options.fortuneSpin);
    std::ostringstream out;
    if (kind == SheetKind::Html) {
        out << "<!DOCTYPE html>\n<html lang=\"en\"><head><meta charset=\"utf-8\"><title>Vortala: PAR "
               "sheet</title>\n"
               "<style>body{font-family:sans-serif;max-width:60em;margin:2em "
               "auto}table{border-collapse:collapse}"
               "td,th{border:1px solid #ccc;padding:2px 8px;text-align:right}td:first-child{text-align:left}"
               ".out{background:#fbb}</style></head><body>\n<h1>Vortala: PAR sheet</h1>\n";
        RenderHtml(out, sheet);
        out << "<h2>Plots</h2>\n" << wins << curves << "</body></html>\n";
        return WriteFile(path, out.str(), error);
    }
    out << "# PAR sheet\n\nWritten by `vortala-sim par` (`tools/par-sheet.sh` writes this file for the "
           "default "
           "settings; docs/SIMULATOR.md says how every figure is made). The PAR column is exact over the "
           "generator states named under \"The run\"; the long-run rows join those exact figures through the "
           "game's carried state. Beside them, the simulator's estimates and their 95% intervals.\n\n";
    RenderMarkdown(out, sheet);
    const std::string winsFile = Beside(path, "-wins.svg");
    out << "![The chance of the spin's win by its size, log scale](" << BaseName(winsFile) << ")\n\n";
    if (!WriteFile(winsFile, wins, error)) return false;
    if (!curves.empty()) {
        const std::string curvesFile = Beside(path, "-fortune.svg");
        out << "![RTP against each fortune setting](" << BaseName(curvesFile) << ")\n\n";
        if (!WriteFile(curvesFile, curves, error)) return false;
    }
    return WriteFile(path, out.str(), error);
}

void PrintParText(std::ostream& out, const ParShard& run, const ParReportInputs& inputs) {
    RenderText(out, BuildSheet(run, inputs));
}

}  // namespace vortala::sim
