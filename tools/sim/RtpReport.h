#pragma once
// The rtp report as text for people or JSON for scripts. The JSON names the run (settings, seed,
// games, block size, shard K of N) and carries its raw sums, so shard reports can be merged.
#include <iosfwd>

#include "RtpOptions.h"
#include "RtpRun.h"

namespace vortala::sim {

// The JSON's "format"; a merge reads no other.
inline constexpr const char* kRtpReportFormat = "vortala-sim rtp 2";

void PrintRtpText(std::ostream& out, const RtpOptions& options, const RtpRunResult& run);
void PrintRtpJson(std::ostream& out, const RtpOptions& options, const RtpRunResult& run);
// Prints the report in the form asked for and returns a command's exit code: 1 when some game
// got stuck, else 0.
int PrintRtpReport(std::ostream& out, const RtpOptions& options, const RtpRunResult& run, bool json);

}  // namespace vortala::sim
