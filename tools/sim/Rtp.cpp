#include "Rtp.h"

#include <cstring>
#include <iostream>
#include <string>

#include "RtpBlocks.h"
#include "RtpOptions.h"
#include "RtpReport.h"
#include "RtpRun.h"

namespace vortala::sim {

int RunRtpCommand(int argc, char** argv) {
    for (int i = 0; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::cout << RtpUsage();
            return 0;
        }
    }
    RtpOptions options;
    std::string error;
    if (!ParseRtpOptions(argc, argv, options, error)) {
        std::cerr << "rtp: " << error << '\n' << RtpUsage();
        return 2;
    }
    if (ShardBlocks(options).Count() == 0)
        std::cerr << "rtp: shard " << options.shard << " of " << options.shards << " has no games: the run's "
                  << options.games << " games make only " << BlockCount(options) << " blocks of "
                  << options.blockGames << '\n';
    return PrintRtpReport(std::cout, options, RunRtp(options, std::cerr), options.json);
}

}  // namespace vortala::sim
