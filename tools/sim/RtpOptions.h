#pragma once
// The options of `vortala-sim rtp` and their parser.
#include <cstdint>
#include <string>

namespace vortala::sim {

// Limits of the options, shared by the command line and the reports that name a run.
constexpr long long kMaxGames = 1000000000000LL;  // also of a block
constexpr long long kMaxSeed = 4294967295LL;
constexpr long long kMaxShards = 1000000;

// The settings, seed, games, block size and shard count identify a run: shards agreeing on all of
// them are parts of one run and can be merged. The threads only decide how fast it goes.
struct RtpOptions {
    std::uint64_t games = 1000000;  // of the whole run, all shards together
    std::uint64_t seed = 1;
    std::uint64_t blockGames = 1000000;
    unsigned shard = 1;  // 1..shards
    unsigned shards = 1;
    unsigned threads = 0;  // 0: one per core this process may run on
    int betPerLine = 1;    // on all fifteen lines
    int fortuneSpin = 0;
    int fortuneRisk = 0;
    int fortuneBonus = 0;
    int gamble = 0;  // cards risked before taking, 0..7
    bool json = false;
    std::string journal;  // every game's record goes to this file (SimJournal.h)
};

// Parses argv (without the program and subcommand names). On failure returns false and says why.
bool ParseRtpOptions(int argc, char** argv, RtpOptions& out, std::string& error);

// The usage, one line per option, for --help.
const char* RtpUsage();

}  // namespace vortala::sim
