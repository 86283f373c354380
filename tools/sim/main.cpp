// vortala-sim: the machine without a window.
//   vortala-sim script FILE|-   run a script against a fresh machine on a virtual clock
//   vortala-sim rtp [options]   play many games and report what the machine returns
//   vortala-sim merge FILE...   merge the JSON reports of a run's shards into the whole run's
#include <cstring>
#include <fstream>
#include <iostream>

#include "Rtp.h"
#include "RtpMerge.h"
#include "app/HeadlessHost.h"
#include "app/ScriptRunner.h"

namespace {

class HeadlessDriver : public vortala::ScriptDriver {
public:
    vortala::Machine& machine() override { return host_.machine(); }
    void Input(const vortala::InputEvent& event) override { host_.Input(event); }
    void Advance(std::uint32_t ms) override { host_.Advance(ms); }
    bool Settle(std::uint32_t limitMs) override { return host_.Settle(limitMs); }
    std::vector<std::string> TakeSounds() override { return host_.TakeSounds(); }

private:
    vortala::HeadlessHost host_;
};

int Usage() {
    std::cerr << "usage: vortala-sim script FILE|-\n"
                 "       vortala-sim rtp [--games N] [--seed S] [--threads T] [--shard K/N]\n"
                 "                       [--block-games B] [--bet-per-line B] [--fortune SPIN,RISK,BONUS]\n"
                 "                       [--gamble K] [--json]\n"
                 "       vortala-sim merge [--json] SHARD.json...\n";
    return 2;
}

int RunScriptCommand(const char* path) {
    HeadlessDriver driver;
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
    if (argc >= 2 && std::strcmp(argv[1], "merge") == 0)
        return vortala::sim::RunMergeCommand(argc - 2, argv + 2);
    return Usage();
}
