#include "ScriptCommand.h"

#include <fstream>
#include <iostream>
#include <string>
#include <string_view>

#include "Subcommand.h"
#include "app/HeadlessDriver.h"
#include "app/ScriptRunner.h"

namespace vortala::sim {

const char* ScriptUsage() {
    return "Usage: vortala-sim script FILE|-\n"
           "Runs a game script (FILE, or standard input for -) against a fresh machine on a\n"
           "virtual clock and prints what its checks found; see docs/SCRIPTING.md.\n"
           "Exit status: 0 every check passed, 1 a check failed, 2 the script could not run.\n";
}

int RunScriptCommand(int argc, char** argv) {
    if (argc == 0) return UsageError("script", "needs a FILE, or - for standard input");
    const std::string_view path = argv[0];
    if (path.size() > 1 && path[0] == '-')
        return UsageError("script", "unknown option '" + std::string(path) + "'");
    if (argc > 1) return UsageError("script", "unexpected argument '" + std::string(argv[1]) + "'");
    HeadlessHost host;
    HeadlessDriver driver(host);
    if (path == "-") return static_cast<int>(RunScript(std::cin, driver, std::cout, std::cerr));
    std::ifstream file{std::string(path)};
    if (!file) {
        std::cerr << "vortala-sim script: cannot open " << path << '\n';
        return 2;
    }
    return static_cast<int>(RunScript(file, driver, std::cout, std::cerr));
}

}  // namespace vortala::sim
