#pragma once
// The options of `vortala-sim par`: the settings the stop key's outcome is computed under, the
// generator states to enumerate and where the report goes.
#include <array>
#include <cstdint>
#include <string>

namespace vortala::sim {

constexpr std::uint64_t kAllStates = std::uint64_t{1} << 32;

// The settings and the states identify a run: shards agreeing on them are parts of one run.
struct ParOptions {
    std::array<int, 15> bets{1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    int fortuneSpin = 0;
    int fortuneRisk = 0;
    int fortuneBonus = 0;
    bool ahead = false;  // the credit above twice the inserted credit when the stop key is pressed
    std::uint64_t first = 0;
    std::uint64_t count = kAllStates;
    unsigned shard = 1;  // 1..shards
    unsigned shards = 1;
    unsigned threads = 0;  // 0: one per core this process may run on
    bool json = false;
    std::string html;         // the PAR sheet as a web page
    std::string markdown;     // the PAR sheet as Markdown
    std::string load;         // a stored `par --json` report instead of enumerating
    std::string compare;      // an `rtp --json` report to set beside the exact figures
    std::uint64_t sweep = 0;  // states per point of the fortune curves; 0: no curves
};

// The states shard o.shard of o.shards enumerates: a contiguous part of o.first .. o.first+o.count.
struct StateRange {
    std::uint64_t first = 0;
    std::uint64_t count = 0;
};
StateRange ShardStates(const ParOptions& o);

bool ParseParOptions(int argc, char** argv, ParOptions& out, std::string& error);
const char* ParUsage();

}  // namespace vortala::sim
