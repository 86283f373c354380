#include "Rtp.h"

#include <iostream>
#include <string>

#include "RtpOptions.h"
#include "RtpReport.h"
#include "RtpRun.h"
#include "SimJournal.h"
#include "Subcommand.h"

namespace vortala::sim {

int RunRtpCommand(int argc, char** argv) {
    RtpOptions options;
    std::string error;
    if (!ParseRtpOptions(argc, argv, options, error)) return UsageError("rtp", error);
    if (!options.journal.empty() && !StartJournal(options.journal, error)) {
        std::cerr << "rtp: " << error << '\n';
        return 2;
    }
    const RtpRunResult run = RunRtp(options, std::cerr);
    std::uint64_t journalled = 0;
    if (!options.journal.empty() && !FinishJournal(options.journal, run.threads, journalled, error)) {
        std::cerr << "rtp: " << error << '\n';
        return 1;
    }
    if (options.json)
        PrintRtpJson(std::cout, options, run);
    else
        PrintRtpText(std::cout, options, run);
    return run.tally.stuckGames ? 1 : 0;
}

}  // namespace vortala::sim
