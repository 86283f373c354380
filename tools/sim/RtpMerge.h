#pragma once
// Shard reports read back and merged into the report of the whole run: `vortala-sim merge`, and
// the MPI run's rank 0.
#include <string>
#include <string_view>
#include <vector>

#include "ParJson.h"
#include "RtpOptions.h"
#include "RtpRun.h"

namespace vortala::sim {

struct ShardReport {
    std::string name;    // where it came from, for messages
    RtpOptions options;  // the run and the shard it names
    RtpRunResult run;
};

// Reads a report written by PrintRtpJson. Fails, saying why, on anything else, on a damaged
// file and on a shard that does not hold the games its place in the run says it should.
bool ReadShardReport(std::string_view json, ShardReport& out, std::string& error);

// The shards 1..N of one run, each exactly once, in any order, into the report of the whole run
// (shard 1 of 1): threads and thread-seconds added up, seconds the longest shard's, as if all
// ran side by side.
// Refuses shards of different runs, a missing shard and a repeated one.
bool MergeShards(const std::vector<ShardReport>& shards, ShardReport& whole, std::string& error);

// Reads and merges reports given as (name, JSON text); the error names the report at fault.
struct NamedText {
    std::string name;
    std::string text;
};
bool MergeShardTexts(const std::vector<NamedText>& reports, ShardReport& whole, std::string& error);
// The same for the shards of a PAR run.
bool MergeParShardTexts(const std::vector<NamedText>& reports, ParShard& whole, std::string& error);

// `vortala-sim merge [--json] FILE...`; returns the exit code.
const char* MergeUsage();
// argv without the program and subcommand names; returns the exit code.
int RunMergeCommand(int argc, char** argv);

}  // namespace vortala::sim
