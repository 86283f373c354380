#pragma once
// A PAR run's JSON report: the run's identity (settings, states, shard), the headline figures
// and the exact sums, which `vortala-sim merge` reads back to join shards.
#include <iosfwd>
#include <string>
#include <string_view>
#include <vector>

#include "ParOptions.h"
#include "ParRun.h"

namespace vortala::sim {

constexpr const char* kParReportFormat = "vortala-sim par 1";

void PrintParJson(std::ostream& out, const ParOptions& o, const ParRunResult& run);

struct ParShard {
    std::string name;
    ParOptions options;
    ParRunResult run;
};
bool ReadParReport(std::string_view json, ParShard& out, std::string& error);
// The shards 1..N of one run, each once, into the whole run (shard 1 of 1).
bool MergeParShards(const std::vector<ParShard>& shards, ParShard& whole, std::string& error);
// Whether a JSON text names itself a PAR report (so merge can tell it from an rtp report).
bool LooksLikeParReport(std::string_view json);

}  // namespace vortala::sim
