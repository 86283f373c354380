#pragma once
// The options of `vortala-sim rtp` and their parser.
#include <cstdint>
#include <string>

namespace vortala::sim {

struct RtpOptions {
    std::uint64_t games = 1000000;
    std::uint64_t seed = 1;
    unsigned threads = 0;  // 0: one per core
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
