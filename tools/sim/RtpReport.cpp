#include "RtpReport.h"

#include <cstdio>
#include <ostream>
#include <string>

#include "RtpBlocks.h"
#include "RtpSummary.h"
#include "RtpSums.h"

namespace vortala::sim {

namespace {

std::string Format(const char* format, double a, double b = 0.0, double c = 0.0) {
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, format, a, b, c);
    return buffer;
}

std::string Percent(double share) {
    return Format("%.3f%%", 100.0 * share);
}

// The name and spaces up to `width`, for the tables' first column.
std::string Padded(const std::string& name, std::size_t width) {
    return "  " + name + std::string(name.size() < width ? width - name.size() : 1, ' ');
}

std::string OneIn(double n) {
    return n > 0.0 ? Format("1 in %.1f", n) : std::string("never");
}

double Fraction(double part, WideSum whole) {
    return whole ? part / static_cast<double>(whole) : 0.0;
}

double GamesPerSecond(const RtpRunResult& run) {
    return run.seconds > 0.0 ? static_cast<double>(run.tally.games) / run.seconds : 0.0;
}

// From the thread-seconds, so that shards merged after running one after another are not
// credited with the speed of running side by side.
double GamesPerThreadSecond(const RtpRunResult& run) {
    return run.threadSeconds > 0.0 ? static_cast<double>(run.tally.games) / run.threadSeconds : 0.0;
}

// What the stores hold at the blocks' ends, which no game of the run returned.
WideSum LeftInStores(const RtpTally& t) {
    WideSum left = 0;
    for (int i = 0; i < kStoreCount; ++i) left += t.fed[i] - t.paidOut[i] - (i < 3 ? t.blownUp[i] : 0);
    return left;
}

void PrintShardLine(std::ostream& out, const RtpOptions& o) {
    const BlockRange blocks = ShardBlocks(o);
    out << "shard " << o.shard << " of " << o.shards << ": ";
    if (blocks.Count() == 0) {
        out << "no games (the run has " << BlockCount(o) << " blocks)\n";
        return;
    }
    const std::uint64_t first = FirstGameOfBlock(o, blocks.first);
    out << "games " << first << " to " << first + GamesInBlocks(o, blocks) - 1 << " of " << o.games << '\n';
}

}  // namespace

void PrintRtpText(std::ostream& out, const RtpOptions& o, const RtpRunResult& run) {
    const RtpTally& t = run.tally;
    const RtpSummary s = Summarise(t);
    out << "games " << o.games << ", seed " << o.seed << ", bet " << o.betPerLine << " x 15 lines, fortune "
        << o.fortuneSpin << ',' << o.fortuneRisk << ',' << o.fortuneBonus << ", gamble " << o.gamble
        << ", blocks of " << o.blockGames << " games\n";
    if (o.shards > 1) PrintShardLine(out, o);
    out << "\nreturn to player  " << Percent(s.rtp);
    if (t.outsideSpread)
        out << " (no interval: " << t.outsideSpread
            << " games or blocks too large for its sums, near the money cap)\n";
    else
        out << " +- " << Percent(s.halfWidth) << " (95% confidence; sigma " << Format("%.2f", s.sigma)
            << " stakes per game)\n";
    if (s.blockHalfWidth > 0.0 && !t.outsideSpread)
        out << "                  +- " << Percent(s.blockHalfWidth) << " from the spread of " << t.blocks
            << " blocks' returns\n";
    out << "paid in the run   " << Percent(s.rtpPaid)
        << " (the rest is jackpot fed but not won before its block ended)\n";
    out << "hit frequency     " << Percent(s.hitFrequency) << " of games win anything; "
        << Percent(s.payFrequency) << " return money\n";
    out << "free spins        " << Percent(s.freeSpinShare) << " of games\n";
    out << "staked            " << Decimal(t.staked) << "\nreturned          " << Decimal(t.returned)
        << "\ninserted          " << Decimal(t.inserted) << '\n';
    out << "largest win       " << t.largestReturn << Format(" (%.1f x the mean stake)", s.largestInStakes);
    if (t.largestReturnGame) out << " in game " << t.largestReturnGame;
    out << '\n';
    out << "speed             " << Format("%.0f games/s on ", GamesPerSecond(run)) << run.threads
        << (run.threads == 1 ? " thread" : " threads")
        << Format(" (%.0f per thread), %.2f s", GamesPerThreadSecond(run), run.seconds) << '\n';
    if (t.stuckGames) out << "STUCK GAMES       " << t.stuckGames << " (a screen never ended)\n";

    out << "\nreturn by source           money   share of return   points of RTP\n";
    for (int i = 0; i < kSourceCount; ++i) {
        const bool rare = i == static_cast<int>(Source::Unbooked) || i == static_cast<int>(Source::MoneyCap);
        if (rare && t.bySource[i] == 0) continue;
        out << Padded(SourceName(static_cast<Source>(i)), 16)
            << Format("%14.0f   %14.3f%%   %12.3f%%", static_cast<double>(t.bySource[i]),
                      100.0 * s.shareOfReturn[i], 100.0 * s.shareOfStake[i])
            << '\n';
    }
    // The jackpot fed but not yet won: the rows above add up to the return as paid, with this
    // one to the long-run return.
    const double kept = static_cast<double>(t.jackpotKept);
    out << Padded("jackpot not won", 16)
        << Format("%14.0f   %14.3f%%   %12.3f%%", kept, 100.0 * Fraction(kept, t.LongRunReturned()),
                  100.0 * Fraction(kept, t.staked))
        << '\n';

    out << "\nmoney kept for later               fed        paid out    lost to powder\n";
    for (int i = 0; i < kStoreCount; ++i) {
        out << Padded(StoreName(static_cast<Store>(i)), 27)
            << Format("%12.0f   %12.0f", static_cast<double>(t.fed[i]), static_cast<double>(t.paidOut[i]));
        if (i < 3) out << Format("   %12.0f", static_cast<double>(t.blownUp[i]));
        out << '\n';
    }
    // Money a machine that went on playing would still pay out, but no game of this run did.
    const WideSum left = LeftInStores(t);
    out << Padded("held at the blocks' ends", 27)
        << Format("%12.0f   (%.3f%% of the stake)", static_cast<double>(left),
                  100.0 * Fraction(static_cast<double>(left), t.staked))
        << '\n';

    out << "\nbonus frequency\n";
    for (int i = 0; i < kBonusCount; ++i) {
        out << Padded(BonusName(static_cast<Bonus>(i)), 22) << OneIn(s.oneIn[i]) << "  (" << t.bonuses[i]
            << ")\n";
    }
}

void PrintRtpJson(std::ostream& out, const RtpOptions& o, const RtpRunResult& run) {
    const RtpTally& t = run.tally;
    const RtpSummary s = Summarise(t);
    auto key = [&](const char* name) -> std::ostream& { return out << "  \"" << name << "\": "; };
    auto number = [](double v) { return Format("%.9g", v); };
    out << "{\n";
    key("format") << '"' << kRtpReportFormat << "\",\n";
    key("games") << o.games << ",\n";
    key("seed") << o.seed << ",\n";
    key("block_games") << o.blockGames << ",\n";
    key("shard") << o.shard << ",\n";
    key("shards") << o.shards << ",\n";
    key("bet_per_line") << o.betPerLine << ",\n";
    key("fortune") << '[' << o.fortuneSpin << ", " << o.fortuneRisk << ", " << o.fortuneBonus << "],\n";
    key("gamble") << o.gamble << ",\n";
    key("threads") << run.threads << ",\n";
    key("seconds") << number(run.seconds) << ",\n";
    key("thread_seconds") << number(run.threadSeconds) << ",\n";
    key("games_per_second") << number(GamesPerSecond(run)) << ",\n";
    key("games_played") << t.games << ",\n";
    key("rtp") << number(s.rtp) << ",\n";
    key("rtp_paid") << number(s.rtpPaid) << ",\n";
    // No interval once a game reached the money cap: its squares are beyond the sums.
    key("rtp_ci95");
    if (t.outsideSpread)
        out << "null,\n";
    else
        out << '[' << number(s.rtp - s.halfWidth) << ", " << number(s.rtp + s.halfWidth) << "],\n";
    key("rtp_ci95_from_blocks");
    if (s.blockHalfWidth > 0.0 && !t.outsideSpread)
        out << '[' << number(s.rtp - s.blockHalfWidth) << ", " << number(s.rtp + s.blockHalfWidth) << "],\n";
    else
        out << "null,\n";  // too few blocks for a spread worth giving
    key("sigma_per_game") << (t.outsideSpread ? std::string("null") : number(s.sigma)) << ",\n";
    key("hit_frequency") << number(s.hitFrequency) << ",\n";
    key("pay_frequency") << number(s.payFrequency) << ",\n";
    key("free_spin_share") << number(s.freeSpinShare) << ",\n";
    key("staked") << Decimal(t.staked) << ",\n";
    key("returned") << Decimal(t.returned) << ",\n";
    key("inserted") << Decimal(t.inserted) << ",\n";
    key("jackpot_not_won") << Decimal(t.jackpotKept) << ",\n";
    key("largest_win") << t.largestReturn << ",\n";
    key("largest_win_game") << t.largestReturnGame << ",\n";
    key("held_in_stores") << Decimal(LeftInStores(t)) << ",\n";
    key("stuck_games") << t.stuckGames << ",\n";
    key("sources") << "{";
    for (int i = 0; i < kSourceCount; ++i)
        out << (i ? ", " : "") << "\"" << SourceName(static_cast<Source>(i))
            << "\": {\"money\": " << Decimal(t.bySource[i])
            << ", \"share_of_return\": " << number(s.shareOfReturn[i])
            << ", \"share_of_stake\": " << number(s.shareOfStake[i]) << "}";
    out << "},\n";
    key("kept") << "{";
    for (int i = 0; i < kStoreCount; ++i) {
        out << (i ? ", " : "") << "\"" << StoreName(static_cast<Store>(i))
            << "\": {\"fed\": " << Decimal(t.fed[i]) << ", \"paid_out\": " << Decimal(t.paidOut[i]);
        if (i < 3) out << ", \"lost_to_powder\": " << Decimal(t.blownUp[i]);
        out << "}";
    }
    out << "},\n";
    key("bonuses") << "{";
    for (int i = 0; i < kBonusCount; ++i)
        out << (i ? ", " : "") << "\"" << BonusName(static_cast<Bonus>(i))
            << "\": {\"count\": " << t.bonuses[i] << ", \"one_in\": " << number(s.oneIn[i]) << "}";
    out << "},\n";
    key("sums");
    WriteSums(out, t);
    out << "\n}\n";
}

int PrintRtpReport(std::ostream& out, const RtpOptions& options, const RtpRunResult& run, bool json) {
    if (json)
        PrintRtpJson(out, options, run);
    else
        PrintRtpText(out, options, run);
    return run.tally.stuckGames ? 1 : 0;
}

}  // namespace vortala::sim
