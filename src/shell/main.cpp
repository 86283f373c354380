// Vortala: the game in its window.
//   vortala                 play
//   vortala --script FILE   run a script in the real window with real timers (see
//                           docs/SCRIPTING.md and WindowScriptDriver.h)
//   vortala --help | --version
// SIGTERM, SIGINT and SIGHUP close the game as the player's close would, without waiting for the
// player, and it exits with status 0.
#include <cstdio>
#include <iostream>
#include <sstream>

#include "CommandLine.h"
#include "GameWindow.h"
#include "WindowScriptDriver.h"
#include "platform/EndSignals.h"
#include "version/Version.h"

namespace {

// Opened close-on-exec, as every file of the game is, so no browser inherits it.
bool ReadScript(const std::string& path, std::string& text) {
    FILE* file = std::fopen(path.c_str(), "re");
    if (!file) return false;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;) text.append(buffer, n);
    const bool read = !std::ferror(file);
    std::fclose(file);
    return read;
}

}  // namespace

int main(int argc, char** argv) {
    using Action = vortala::CommandLine::Action;
    const vortala::CommandLine line = vortala::ParseCommandLine(argc, argv);
    switch (line.action) {
        case Action::Help:
            std::cout << vortala::HelpText();
            return 0;
        case Action::Version:
            std::cout << "vortala " << vortala::kVersion << '\n';
            return 0;
        case Action::Mistake:
            std::cerr << "vortala: " << line.mistake << "\nTry 'vortala --help' for more information.\n";
            return 2;
        case Action::Play:
        case Action::Script:
            break;
    }
    // The script is read before the window opens, so a wrong name costs no window.
    std::string text;
    if (line.action == Action::Script && !ReadScript(line.script, text)) {
        std::cerr << "vortala: cannot open " << line.script << '\n';
        return 2;
    }
    vortala::WatchEndSignals();
    vortala::GameWindow window;
    if (!window.Create()) return 1;
    if (line.action == Action::Play) {
        window.Run();
        return 0;
    }
    std::istringstream lines(text);
    vortala::WindowScriptDriver driver(window);
    const auto result = vortala::RunScript(lines, driver, std::cout, std::cerr);
    if (vortala::EndSignalReceived()) return 0;  // closed on the signal, stores and log written
    window.RequestQuit();  // a script that did not close the window skips the close's save, as a crash would
    return static_cast<int>(result);
}
