// Threads on one machine, shards on any scheduler and one MPI job must give the same report of a
// run, to the last digit; and a merge must refuse anything that is not all of one run.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "MpiRun.h"
#include "RtpMerge.h"
#include "RtpReport.h"
#include "RtpRun.h"

namespace vortala::sim::test {
namespace {

// Eight blocks, the last one short, so that shards hold unequal numbers of blocks and games.
RtpOptions SmallRun() {
    RtpOptions o;
    o.games = 3700;
    o.blockGames = 500;
    o.gamble = 2;
    return o;
}

std::string Json(const RtpOptions& o, const RtpRunResult& run) {
    std::ostringstream out;
    PrintRtpJson(out, o, run);
    return out.str();
}

// The report without the lines that say how fast and on how many threads it ran.
std::string Figures(const std::string& json) {
    std::istringstream in(json);
    std::string line, kept;
    while (std::getline(in, line))
        if (line.rfind("  \"thread", 0) && line.rfind("  \"seconds\"", 0) && line.rfind("  \"games_per", 0))
            kept += line + '\n';
    return kept;
}

std::string ShardJson(RtpOptions o, unsigned shard, unsigned shards, unsigned threads) {
    std::ostringstream quiet;
    o.shard = shard;
    o.shards = shards;
    o.threads = threads;
    return Json(o, RunRtp(o, quiet));
}

// Merges the shards' JSON texts; returns the merged JSON, or the refusal prefixed by "refused: ".
std::string Merge(const std::vector<std::string>& texts) {
    std::vector<NamedText> reports;
    for (std::size_t i = 0; i < texts.size(); ++i)
        reports.push_back({"shard file " + std::to_string(i + 1), texts[i]});
    ShardReport whole;
    std::string error;
    if (!MergeShardTexts(reports, whole, error)) return "refused: " + error;
    return Json(whole.options, whole.run);
}

TEST(RtpShards, MergedShardsEqualOneRunOnAnyNumberOfThreads) {
    const RtpOptions o = SmallRun();
    const std::string whole = ShardJson(o, 1, 1, 2);
    EXPECT_EQ(Figures(ShardJson(o, 1, 1, 3)), Figures(whole));
    // Three shards of 3, 2 and 3 blocks, each on its own number of threads, merged in any order.
    const std::string merged = Merge({ShardJson(o, 3, 3, 1), ShardJson(o, 1, 3, 2), ShardJson(o, 2, 3, 3)});
    EXPECT_EQ(Figures(merged), Figures(whole));
    EXPECT_NE(merged.find("\"games_played\": 3700,"), std::string::npos) << merged;

    RtpOptions other = o;
    other.seed = 2;
    EXPECT_NE(Figures(ShardJson(other, 1, 1, 2)), Figures(whole));
}

TEST(RtpShards, MergeRefusesWhatIsNotAllOfOneRun) {
    RtpOptions o = SmallRun();
    o.games = 1200;
    const std::string one = ShardJson(o, 1, 3, 1), two = ShardJson(o, 2, 3, 1), three = ShardJson(o, 3, 3, 1);
    RtpOptions seed = o, fortune = o;
    seed.seed = 7;
    fortune.fortuneBonus = 50;
    std::string damaged = two;
    damaged.replace(damaged.find("\"games\": "), 15, "\"games\": 99999,");
    const std::string cases[][2] = {
        {Merge({one, ShardJson(seed, 2, 3, 1), three}), "has seed 7, shard file 1 has 1"},
        {Merge({one, ShardJson(fortune, 2, 3, 1), three}), "has fortune 0,0,50"},
        {Merge({one, ShardJson(o, 2, 4, 1), three}), "has shard count 4"},
        {Merge({one, three}), "1 of the run's 3 shards missing (shard 2)"},
        {Merge({one, two, two, three}), "shard 2 of 3 appears twice, in shard file 2 and shard file 3"},
        {Merge({one, two.substr(0, two.size() / 2), three}), "the text ends"},
        {Merge({one, damaged, three}), "should hold"},
        {Merge({"{\"format\": \"some other tool\"}"}), "not a report of this version"},
    };
    for (const auto& [result, message] : cases) {
        EXPECT_EQ(result.rfind("refused: ", 0), 0u) << "merged what it should refuse: " << message;
        EXPECT_NE(result.find(message), std::string::npos) << result;
    }
}

// The MPI job plays the shards of its ranks, so it must print what the merged shards give.
TEST(RtpShards, TwoMpiRanksEqualTheMergedShards) {
#ifndef VORTALA_SIM_MPI
    GTEST_SKIP() << "vortala-sim-mpi is not built (Open MPI's development files are missing)";
#else
    const RtpOptions o = SmallRun();
    std::string output, failure;
    ASSERT_TRUE(RunOnTwoRanks("rtp --games 3700 --block-games 500 --gamble 2 --json", output, failure))
        << failure;
    EXPECT_EQ(Figures(output), Figures(Merge({ShardJson(o, 1, 2, 1), ShardJson(o, 2, 2, 1)})));
#endif
}

}  // namespace
}  // namespace vortala::sim::test
