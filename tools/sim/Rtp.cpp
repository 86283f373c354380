#include "Rtp.h"

#include <iostream>
#include <string>

#include "RtpBlocks.h"
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
    if (ShardBlocks(options).Count() == 0)
        std::cerr << "rtp: shard " << options.shard << " of " << options.shards << " has no games: the run's "
                  << options.games << " games make only " << BlockCount(options) << " blocks of "
                  << options.blockGames << '\n';
    const RtpRunResult run = RunRtp(options, std::cerr);
    std::uint64_t journalled = 0;
    const BlockRange blocks = ShardBlocks(options);
    if (!options.journal.empty() &&
        !FinishJournal(options.journal, blocks.first, blocks.end, journalled, error)) {
        std::cerr << "rtp: " << error << '\n';
        return 1;
    }
    return PrintRtpReport(std::cout, options, run, options.json);
}

}  // namespace vortala::sim
