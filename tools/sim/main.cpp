// vortala-sim: the machine without a window.
//   vortala-sim script FILE|-   run a script against a fresh machine on a virtual clock
//   vortala-sim rtp [options]   play many games and report what the machine returns
//   vortala-sim journal ...     verify recorded games, or print one as a script
#include <cstring>
#include <fstream>
#include <iostream>

#include "JournalCommand.h"
#include "Rtp.h"
#include "app/HeadlessDriver.h"

namespace {

int Usage() {
    std::cerr << "usage: vortala-sim script FILE|-\n"
                 "       vortala-sim rtp [--games N] [--seed S] [--threads T] [--bet-per-line B]\n"
                 "                       [--fortune SPIN,RISK,BONUS] [--gamble K] [--json] [--journal FILE]\n"
                 "       vortala-sim journal verify FILE | script FILE N\n";
    return 2;
}

int RunScriptCommand(const char* path) {
    vortala::HeadlessHost host;
    vortala::HeadlessDriver driver(host);
    vortala::ScriptResult result;
    if (std::strcmp(path, "-") == 0) {
        result = vortala::RunScript(std::cin, driver, std::cout, std::cerr);
    } else {
        std::ifstream file(path);
        if (!file) {
            std::cerr << "cannot open " << path << '\n';
            return 2;
        }
        result = vortala::RunScript(file, driver, std::cout, std::cerr);
    }
    return static_cast<int>(result);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc >= 3 && std::strcmp(argv[1], "script") == 0 && argc == 3) return RunScriptCommand(argv[2]);
    if (argc >= 2 && std::strcmp(argv[1], "rtp") == 0) return vortala::sim::RunRtpCommand(argc - 2, argv + 2);
    if (argc >= 2 && std::strcmp(argv[1], "journal") == 0)
        return vortala::sim::RunJournalCommand(argc - 2, argv + 2);
    return Usage();
}
