#include "RtpMerge.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <optional>

#include "CommandText.h"
#include "Json.h"
#include "ParJson.h"
#include "ParReport.h"
#include "RtpBlocks.h"
#include "RtpReport.h"
#include "RtpSums.h"
#include "ShardSet.h"
#include "Subcommand.h"
#include "platform/RegularFile.h"

namespace vortala::sim {

namespace {

bool ReadInteger(const JsonValue* v, long long low, long long high, long long& out) {
    WideSum wide = 0;
    if (!ReadWhole(v, low, high, wide)) return false;
    out = static_cast<long long>(wide);
    return true;
}

// The run's identity, as the options that name it; the same ranges as the command line's.
bool ReadIdentity(const JsonValue& doc, RtpOptions& o, std::string& error) {
    struct Field {
        const char* name;
        long long low, high;
        long long value;
    };
    Field fields[] = {
        {"games", 1, kMaxGames, 0},  {"seed", 0, kMaxSeed, 0},     {"block_games", 1, kMaxGames, 0},
        {"shard", 1, kMaxShards, 0}, {"shards", 1, kMaxShards, 0}, {"bet_per_line", 1, 99, 0},
        {"gamble", 0, 7, 0},         {"threads", 0, 1000000000, 0}};
    for (Field& f : fields) {
        if (!ReadInteger(doc.Find(f.name), f.low, f.high, f.value)) {
            error = std::string("\"") + f.name + "\" is missing or not a whole number from " +
                    std::to_string(f.low) + " to " + std::to_string(f.high);
            return false;
        }
    }
    o.games = static_cast<std::uint64_t>(fields[0].value);
    o.seed = static_cast<std::uint64_t>(fields[1].value);
    o.blockGames = static_cast<std::uint64_t>(fields[2].value);
    o.shard = static_cast<unsigned>(fields[3].value);
    o.shards = static_cast<unsigned>(fields[4].value);
    o.betPerLine = static_cast<int>(fields[5].value);
    o.gamble = static_cast<int>(fields[6].value);
    o.threads = static_cast<unsigned>(fields[7].value);
    if (o.shard > o.shards) {
        error = "shard " + std::to_string(o.shard) + " of " + std::to_string(o.shards) + " does not exist";
        return false;
    }
    const JsonValue* fortune = doc.Find("fortune");
    long long parts[3] = {0, 0, 0};
    if (!fortune || fortune->items.size() != 3 || !ReadInteger(&fortune->items[0], -100, 100, parts[0]) ||
        !ReadInteger(&fortune->items[1], -100, 100, parts[1]) ||
        !ReadInteger(&fortune->items[2], -100, 100, parts[2])) {
        error = "\"fortune\" is missing or not three whole numbers from -100 to 100";
        return false;
    }
    o.fortuneSpin = static_cast<int>(parts[0]);
    o.fortuneRisk = static_cast<int>(parts[1]);
    o.fortuneBonus = static_cast<int>(parts[2]);
    return true;
}

// The settings that make two reports parts of one run, with their values as text.
std::vector<std::pair<const char*, std::string>> RunIdentity(const RtpOptions& o) {
    auto text = [](auto v) { return std::to_string(v); };
    return {{"games", text(o.games)},
            {"seed", text(o.seed)},
            {"block games", text(o.blockGames)},
            {"shard count", text(o.shards)},
            {"bet per line", text(o.betPerLine)},
            {"fortune", text(o.fortuneSpin) + "," + text(o.fortuneRisk) + "," + text(o.fortuneBonus)},
            {"gamble", text(o.gamble)}};
}

// A shard's report is a few kilobytes; only a regular file up to this size is read, so a FIFO or
// a link to a device can neither hold the merge nor fill the memory.
constexpr std::size_t kReportCap = 16u << 20;

// "" when read, else why not.
std::string ReadReport(const char* path, std::string& text) {
    std::optional<std::string> read = ReadRegularFile(path, kReportCap, ReadPart::Whole);
    if (!read) return errno == EFBIG ? "it is larger than 16 MB" : FileProblem(errno);
    text = std::move(*read);
    return "";
}

// PAR shards: exact tallies of disjoint state ranges, joined into the whole run's.
int MergePar(const std::vector<NamedText>& reports, bool json) {
    std::string error;
    ParShard whole;
    if (!MergeParShardTexts(reports, whole, error)) {
        std::cerr << "merge: " << error << '\n';
        return 2;
    }
    if (json)
        PrintParJson(std::cout, whole.options, whole.run);
    else
        PrintParText(std::cout, whole, ParReportInputs{});
    return 0;
}

}  // namespace

bool ReadShardReport(std::string_view json, ShardReport& out, std::string& error) {
    JsonValue doc;
    if (!ParseReport(json, kRtpReportFormat, "rtp", doc, error)) return false;
    ShardReport read;
    if (!ReadIdentity(doc, read.options, error)) return false;
    const JsonValue* sums = FindSums(doc, error);
    if (!sums || !ReadSums(*sums, read.run.tally, error)) return false;
    static_cast<RunSpeed&>(read.run) = ReadShardSpeed(doc, read.options.threads);

    const BlockRange blocks = ShardBlocks(read.options);
    const std::uint64_t expected = GamesInBlocks(read.options, blocks);
    if (read.run.tally.games != expected || read.run.tally.blocks != blocks.Count()) {
        error = "shard " + std::to_string(read.options.shard) + " of " + std::to_string(read.options.shards) +
                " should hold " + std::to_string(expected) + " games in " + std::to_string(blocks.Count()) +
                " blocks but holds " + std::to_string(read.run.tally.games) + " in " +
                std::to_string(read.run.tally.blocks);
        return false;
    }
    read.name = out.name;
    out = std::move(read);
    return true;
}

bool MergeShards(const std::vector<ShardReport>& shards, ShardReport& whole, std::string& error) {
    return JoinShards(shards, whole, error,
                      [](const ShardReport& s, const ShardReport& first) -> std::string {
                          const auto identity = RunIdentity(first.options), other = RunIdentity(s.options);
                          for (std::size_t i = 0; i < identity.size(); ++i)
                              if (other[i].second != identity[i].second)
                                  return s.name + " has " + other[i].first + " " + other[i].second + ", " +
                                         first.name + " has " + identity[i].second;
                          return "";
                      });
}

namespace {

// Reads each report into a shard named for it; false, naming the report, at the first that fails.
template <typename Shard, typename Read>
bool ReadShardTexts(const std::vector<NamedText>& reports, std::vector<Shard>& shards, std::string& error,
                    Read&& read) {
    shards.resize(reports.size());
    for (std::size_t i = 0; i < reports.size(); ++i) {
        shards[i].name = reports[i].name;
        if (!read(reports[i].text, shards[i], error)) {
            error = reports[i].name + ": " + error;
            return false;
        }
    }
    return true;
}

}  // namespace

bool MergeShardTexts(const std::vector<NamedText>& reports, ShardReport& whole, std::string& error) {
    std::vector<ShardReport> shards;
    return ReadShardTexts(reports, shards, error, ReadShardReport) && MergeShards(shards, whole, error);
}

bool MergeParShardTexts(const std::vector<NamedText>& reports, ParShard& whole, std::string& error) {
    std::vector<ParShard> shards;
    return ReadShardTexts(reports, shards, error, ReadParReport) && MergeParShards(shards, whole, error);
}

const char* MergeUsage() {
    return "Usage: vortala-sim merge [--json] SHARD.json...\n"
           "Merges the JSON reports of the shards 1..N of one run (rtp --shard K/N --json) into the\n"
           "report of the whole run, printed as rtp prints it (--json: as JSON). Refuses reports of\n"
           "different runs, a missing shard and a repeated one. See docs/SIMULATOR.md.\n"
           "Exit status: 0 merged, 2 a report is missing, damaged or does not belong.\n";
}

int RunMergeCommand(int argc, char** argv) {
    bool json = false;
    std::vector<NamedText> reports;
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--json") == 0) {
            json = true;
            continue;
        }
        if (argv[i][0] == '-' && argv[i][1] != '\0')
            return UsageError("merge", "unknown option '" + std::string(argv[i]) + "'");
        reports.push_back({argv[i], {}});
        if (const std::string why = ReadReport(argv[i], reports.back().text); !why.empty()) {
            std::cerr << "merge: cannot read " << argv[i] << ": " << why << '\n';
            return 2;
        }
    }
    if (reports.empty()) return UsageError("merge", "needs the shards' JSON reports");
    if (LooksLikeParReport(reports.front().text)) return MergePar(reports, json);
    ShardReport whole;
    std::string error;
    if (!MergeShardTexts(reports, whole, error)) {
        std::cerr << "merge: " << error << '\n';
        return 2;
    }
    return PrintRtpReport(std::cout, whole.options, whole.run, json);
}

}  // namespace vortala::sim
