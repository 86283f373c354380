// The report's arithmetic and the option parser: the places where a figure can quietly be wrong.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "RtpOptions.h"
#include "RtpSummary.h"

namespace vortala::sim::test {
namespace {

TEST(RtpSummary, EqualStakesGiveThePlainSpreadOfReturnOverStake) {
    RtpTally t;
    const Money returns[] = {0, 0, 30, 0, 150, 0, 0, 15};
    for (Money r : returns) t.AddGame(15, r, 0, r > 0, t.games + 1);
    const RtpSummary s = Summarise(t);
    EXPECT_DOUBLE_EQ(s.rtp, 195.0 / 120.0);
    double mean = 0, squares = 0;
    for (Money r : returns) mean += r / 15.0 / 8.0;
    for (Money r : returns) squares += (r / 15.0 - mean) * (r / 15.0 - mean);
    EXPECT_NEAR(s.sigma, std::sqrt(squares / 7.0), 1e-12);
    EXPECT_NEAR(s.halfWidth, 1.96 * s.sigma / std::sqrt(8.0), 1e-12);
    EXPECT_DOUBLE_EQ(s.hitFrequency, 3.0 / 8.0);
    EXPECT_DOUBLE_EQ(s.largestInStakes, 10.0);
}

TEST(RtpSummary, FreeSpinsCountInTheRatioNotAsPaidStakes) {
    // A free spin returns money for no stake: RTP is total over total, not the mean of ratios
    // (which would divide by zero), and a run whose returns track the stake has no spread.
    RtpTally t;
    t.AddGame(10, 0, 0, false, t.games + 1);
    t.AddGame(0, 20, 0, true, t.games + 1);
    t.AddGame(10, 0, 0, false, t.games + 1);
    RtpSummary s = Summarise(t);
    EXPECT_DOUBLE_EQ(s.rtp, 1.0);
    EXPECT_DOUBLE_EQ(s.freeSpinShare, 1.0 / 3.0);
    EXPECT_GT(s.sigma, 0.0);

    RtpTally proportional;
    for (int i = 0; i < 4; ++i) proportional.AddGame(10 * (i + 1), 5 * (i + 1), 0, true, i + 1);
    s = Summarise(proportional);
    EXPECT_DOUBLE_EQ(s.rtp, 0.5);
    EXPECT_NEAR(s.sigma, 0.0, 1e-9);
}

TEST(RtpSummary, EmptyAndSingleRunsHaveNoRatiosToDivideBy) {
    RtpSummary s = Summarise(RtpTally{});
    EXPECT_EQ(s.rtp, 0.0);
    EXPECT_EQ(s.halfWidth, 0.0);
    EXPECT_EQ(s.oneIn[0], 0.0);  // shown as "never"
    RtpTally one;
    one.AddGame(15, 45, 0, true, 1);
    s = Summarise(one);
    EXPECT_DOUBLE_EQ(s.rtp, 3.0);
    EXPECT_EQ(s.halfWidth, 0.0);  // no spread from one game
}

TEST(RtpSummary, MergingThreadsEqualsOneLongRun) {
    RtpTally whole, first, second;
    for (int i = 0; i < 10; ++i) {
        RtpTally& half = i < 4 ? first : second;
        for (RtpTally* t : {&whole, &half}) {
            t->AddGame(i % 3 ? 15 : 0, i * 7, 0, i % 2, i + 1);
            t->bySource[i % kSourceCount] += i;
            t->bonuses[i % kBonusCount] += 1;
        }
    }
    first.Merge(second);
    const RtpSummary a = Summarise(whole), b = Summarise(first);
    EXPECT_DOUBLE_EQ(a.rtp, b.rtp);
    EXPECT_NEAR(a.sigma, b.sigma, 1e-12);
    EXPECT_EQ(whole.bySource, first.bySource);
    EXPECT_EQ(whole.largestReturn, first.largestReturn);
    EXPECT_DOUBLE_EQ(b.oneIn[1], 10.0 / 2.0);
    double shares = 0;
    for (double share : b.shareOfReturn) shares += share;
    EXPECT_NEAR(shares, static_cast<double>(45) / static_cast<double>(first.returned), 1e-12);
}

// Blocks of one game each are the games themselves: both intervals must then be one and the same.
TEST(RtpSummary, BlocksOfOneGameGiveTheGamesOwnInterval) {
    RtpTally t;
    for (int i = 0; i < 40; ++i) {
        RtpTally block;
        block.AddGame(i % 5 ? 15 : 0, (i * 37) % 90, 0, true, static_cast<std::uint64_t>(i) + 1);
        t.AddBlock(block);
    }
    const RtpSummary s = Summarise(t);
    EXPECT_GT(s.halfWidth, 0.0);
    EXPECT_NEAR(s.blockHalfWidth, s.halfWidth, 1e-12);
}

bool Parse(std::vector<std::string> args, RtpOptions& o, std::string& error) {
    std::vector<char*> argv;
    for (auto& a : args) argv.push_back(a.data());
    return ParseRtpOptions(static_cast<int>(argv.size()), argv.data(), o, error);
}

TEST(RtpOptions, ParsesEveryOptionInBothForms) {
    RtpOptions o;
    std::string error;
    ASSERT_TRUE(Parse({"--games", "500", "--seed=9", "--threads", "2", "--bet-per-line", "99", "--fortune",
                       "-100,0,100", "--gamble=7", "--json", "--shard", "3/8", "--block-games=5000"},
                      o, error))
        << error;
    EXPECT_EQ(o.games, 500u);
    EXPECT_EQ(o.seed, 9u);
    EXPECT_EQ(o.threads, 2u);
    EXPECT_EQ(o.betPerLine, 99);
    EXPECT_EQ(o.fortuneSpin, -100);
    EXPECT_EQ(o.fortuneRisk, 0);
    EXPECT_EQ(o.fortuneBonus, 100);
    EXPECT_EQ(o.gamble, 7);
    EXPECT_TRUE(o.json);
    EXPECT_EQ(o.shard, 3u);
    EXPECT_EQ(o.shards, 8u);
    EXPECT_EQ(o.blockGames, 5000u);
}

TEST(RtpOptions, RejectsValuesOutsideTheirRangeOrShape) {
    const std::vector<std::vector<std::string>> bad = {
        {"--games", "0"},         {"--games", "1e6"},    {"--games"},          {"--bet-per-line", "100"},
        {"--bet-per-line", "0"},  {"--gamble", "8"},     {"--fortune", "1,2"}, {"--fortune", "1,2,3,4"},
        {"--fortune", "101,0,0"}, {"--fortune", "1,,3"}, {"--threads", "0"},   {"--seed", "-1"},
        {"--speed", "3"},         {"--json=1"},          {"--games", "12abc"}, {"--shard", "4/3"},
        {"--shard", "0/3"},       {"--shard", "3"},      {"--shard", "1/2/3"}, {"--block-games", "0"},
    };
    for (const auto& args : bad) {
        RtpOptions o;
        std::string error;
        EXPECT_FALSE(Parse(args, o, error)) << args[0];
        EXPECT_FALSE(error.empty()) << args[0];
    }
}

}  // namespace
}  // namespace vortala::sim::test
