#pragma once
// The rtp report as text for people or JSON for scripts.
#include <iosfwd>

#include "RtpOptions.h"
#include "RtpRun.h"

namespace vortala::sim {

void PrintRtpText(std::ostream& out, const RtpOptions& options, const RtpRunResult& run);
void PrintRtpJson(std::ostream& out, const RtpOptions& options, const RtpRunResult& run);

}  // namespace vortala::sim
