#include "Rtp.h"

#include <iostream>
#include <string>

#include "RtpOptions.h"
#include "RtpReport.h"
#include "RtpRun.h"
#include "Subcommand.h"

namespace vortala::sim {

int RunRtpCommand(int argc, char** argv) {
    RtpOptions options;
    std::string error;
    if (!ParseRtpOptions(argc, argv, options, error)) return UsageError("rtp", error);
    const RtpRunResult run = RunRtp(options, std::cerr);
    if (options.json)
        PrintRtpJson(std::cout, options, run);
    else
        PrintRtpText(std::cout, options, run);
    return run.tally.stuckGames ? 1 : 0;
}

}  // namespace vortala::sim
