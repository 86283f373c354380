// vortala-sim: the machine without a window. Each subcommand is one row of kSubcommands; --help
// and --version are answered here for all of them.
#include <iostream>
#include <string>
#include <string_view>

#include "JournalCommand.h"
#include "Par.h"
#include "ParOptions.h"
#include "Rtp.h"
#include "RtpMerge.h"
#include "RtpOptions.h"
#include "ScriptCommand.h"
#include "Subcommand.h"
#include "version/Version.h"

namespace {

using vortala::sim::Subcommand;

const Subcommand kSubcommands[] = {
    {"script", "run a game script against a fresh machine on a virtual clock", vortala::sim::ScriptUsage,
     vortala::sim::RunScriptCommand},
    {"rtp", "play many games and report what the machine returns", vortala::sim::RtpUsage,
     vortala::sim::RunRtpCommand},
    {"par", "compute the game's exact figures over every state of the generator", vortala::sim::ParUsage,
     vortala::sim::RunParCommand},
    {"merge", "merge the JSON reports of a run's shards into the whole run's report",
     vortala::sim::MergeUsage, vortala::sim::RunMergeCommand},
    {"journal", "verify recorded games, or print one as a script", vortala::sim::JournalUsage,
     vortala::sim::RunJournalCommand},
};

void PrintOverview(std::ostream& out) {
    out << "Usage: vortala-sim COMMAND [options]\n"
           "       vortala-sim --help | --version\n"
           "The game's machine without a window, on a virtual clock.\n\nCommands:\n";
    for (const Subcommand& command : kSubcommands) {
        const std::size_t pad = command.name.size() < 9 ? 10 - command.name.size() : 1;
        out << "  " << command.name << std::string(pad, ' ') << command.summary << '\n';
    }
    out << "\n'vortala-sim COMMAND --help' shows a command's options. More in 'man 6 vortala-sim'.\n";
}

int PrintVersion() {
    std::cout << "vortala-sim " << vortala::kVersion << '\n';
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string_view first = argc > 1 ? argv[1] : "";
    if (first == "--help" || first == "-h") {
        PrintOverview(std::cout);
        return 0;
    }
    if (first == "--version") return PrintVersion();
    for (const Subcommand& command : kSubcommands) {
        if (command.name != first) continue;
        for (int i = 2; i < argc; ++i) {
            const std::string_view arg = argv[i];
            if (arg == "--help" || arg == "-h") {
                std::cout << command.usage();
                return 0;
            }
            if (arg == "--version") return PrintVersion();
        }
        return command.run(argc - 2, argv + 2);
    }
    if (argc < 2) {
        PrintOverview(std::cerr);
        return 2;
    }
    std::cerr << "vortala-sim: unknown " << (first.substr(0, 1) == "-" ? "option" : "command") << " '"
              << first << "'\nTry 'vortala-sim --help' for more information.\n";
    return 2;
}
