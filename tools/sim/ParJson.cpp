#include "ParJson.h"

#include <algorithm>
#include <cstdlib>
#include <ostream>

#include "Json.h"
#include "RtpSums.h"
#include "ShardSet.h"

namespace vortala::sim {

namespace {

WideSum TotalLinePays(const ParTally& t) {
    WideSum sum = 0;
    for (const auto& bySymbol : t.linePaysBySymbol)
        for (WideSum pays : bySymbol) sum += pays;
    return sum;
}

std::string BetsText(const ParOptions& o) {
    std::string text;
    for (int i = 0; i < 15; ++i) text += (i ? ", " : "") + std::to_string(o.bets[i]);
    return text;
}

bool ReadNumber(const JsonValue* v, long long low, long long high, long long& out) {
    WideSum wide = 0;
    if (!ReadWhole(v, low, high, wide)) return false;
    out = static_cast<long long>(wide);
    return true;
}

bool ReadIdentity(const JsonValue& doc, ParOptions& o, std::string& error) {
    const JsonValue* bets = doc.Find("bets");
    const JsonValue* fortune = doc.Find("fortune");
    const JsonValue* ahead = doc.Find("ahead");
    long long v[6] = {};
    const auto all = static_cast<long long>(kAllStates);
    if (!bets || bets->items.size() != 15 || !fortune || fortune->items.size() != 3 || !ahead ||
        ahead->kind != JsonValue::Kind::Boolean || !ReadNumber(doc.Find("first"), 0, all - 1, v[0]) ||
        !ReadNumber(doc.Find("count"), 1, all, v[1]) || !ReadNumber(doc.Find("shard"), 1, 1000000, v[2]) ||
        !ReadNumber(doc.Find("shards"), 1, 1000000, v[3]) || v[2] > v[3] || v[0] + v[1] > all ||
        !ReadNumber(doc.Find("threads"), 0, 1000000000, v[4])) {
        error =
            "the run's settings (bets, fortune, ahead, first, count, shard, shards, threads) are missing "
            "or out of range";
        return false;
    }
    for (int i = 0; i < 15; ++i) {
        long long b = 0;
        if (!ReadNumber(&bets->items[i], 0, 99, b)) {
            error = "\"bets\" holds a bet outside 0..99";
            return false;
        }
        o.bets[i] = static_cast<int>(b);
    }
    long long f[3] = {};
    for (int i = 0; i < 3; ++i) {
        if (!ReadNumber(&fortune->items[i], -100, 100, f[i])) {
            error = "\"fortune\" is not three whole numbers from -100 to 100";
            return false;
        }
    }
    o.fortuneSpin = static_cast<int>(f[0]);
    o.fortuneRisk = static_cast<int>(f[1]);
    o.fortuneBonus = static_cast<int>(f[2]);
    o.ahead = ahead->boolean;
    o.first = static_cast<std::uint64_t>(v[0]);
    o.count = static_cast<std::uint64_t>(v[1]);
    o.shard = static_cast<unsigned>(v[2]);
    o.shards = static_cast<unsigned>(v[3]);
    o.threads = static_cast<unsigned>(v[4]);
    return true;
}

std::string Identity(const ParOptions& o) {
    return "bets " + BetsText(o) + ", fortune " + std::to_string(o.fortuneSpin) + "," +
           std::to_string(o.fortuneRisk) + "," + std::to_string(o.fortuneBonus) + (o.ahead ? ", ahead" : "") +
           ", states " + std::to_string(o.first) + ":" + std::to_string(o.count) + ", " +
           std::to_string(o.shards) + " shards";
}

}  // namespace

void PrintParJson(std::ostream& out, const ParOptions& o, const ParRunResult& run) {
    const ParTally& t = run.tally;
    const StateRange range = ShardStates(o);
    out << "{\"format\": \"" << kParReportFormat << "\", \"bets\": [" << BetsText(o) << "], \"fortune\": ["
        << o.fortuneSpin << ", " << o.fortuneRisk << ", " << o.fortuneBonus
        << "], \"ahead\": " << (o.ahead ? "true" : "false") << ", \"first\": " << o.first
        << ", \"count\": " << o.count << ", \"shard\": " << o.shard << ", \"shards\": " << o.shards
        << ", \"shard_first\": " << range.first << ", \"shard_count\": " << range.count
        << ", \"threads\": " << run.threads << ", \"seconds\": " << run.seconds
        << ", \"thread_seconds\": " << run.threadSeconds << ",\n \"states\": " << t.states
        << ", \"winningStates\": " << t.winningStates << ", \"linePays\": " << Decimal(TotalLinePays(t))
        << ", \"coinLinePays\": " << Decimal(t.coinLinePays)
        << ", \"wildLinePays\": " << Decimal(t.wildLinePays) << ", \"islands\": [";
    for (int i = 0; i < 6; ++i) out << (i ? ", " : "") << t.islands[i];
    out << "], \"fiveWilds\": " << t.fiveWilds << ",\n \"sums\": ";
    WriteParSums(out, t);
    out << "}\n";
}

bool LooksLikeParReport(std::string_view json) {
    return json.find(kParReportFormat) != std::string_view::npos;
}

bool ReadParReport(std::string_view json, ParShard& out, std::string& error) {
    JsonValue doc;
    if (!ParseReport(json, kParReportFormat, "par", doc, error)) return false;
    ParShard read;
    read.name = out.name;
    if (!ReadIdentity(doc, read.options, error)) return false;
    const JsonValue* sums = FindSums(doc, error);
    if (!sums || !ReadParSums(*sums, read.run.tally, error)) return false;
    const StateRange range = ShardStates(read.options);
    if (read.run.tally.states != range.count) {
        error = "shard " + std::to_string(read.options.shard) + " of " + std::to_string(read.options.shards) +
                " should hold " + std::to_string(range.count) + " states but holds " +
                std::to_string(read.run.tally.states);
        return false;
    }
    static_cast<RunSpeed&>(read.run) = ReadShardSpeed(doc, read.options.threads);
    out = std::move(read);
    return true;
}

bool MergeParShards(const std::vector<ParShard>& shards, ParShard& whole, std::string& error) {
    return JoinShards(shards, whole, error, [](const ParShard& s, const ParShard& first) -> std::string {
        const std::string mine = Identity(s.options), theirs = Identity(first.options);
        return mine == theirs ? "" : s.name + " has " + mine + ", " + first.name + " has " + theirs;
    });
}

}  // namespace vortala::sim
