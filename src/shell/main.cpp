// Vortala: the game in its window.
//   vortala                 play
//   vortala --script FILE   run a script in the real window with real timers (see
//                           docs/SCRIPTING.md and WindowScriptDriver.h)
// SIGTERM, SIGINT and SIGHUP close the game as the player's close would, without waiting for the
// player, and it exits with status 0.
#include <cstdio>
#include <cstring>
#include <iostream>
#include <sstream>

#include "GameWindow.h"
#include "WindowScriptDriver.h"
#include "platform/EndSignals.h"

namespace {

// Opened close-on-exec, as every file of the game is, so no browser inherits it.
bool ReadScript(const char* path, std::string& text) {
    FILE* file = std::fopen(path, "re");
    if (!file) return false;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, file)) > 0;) text.append(buffer, n);
    const bool read = !std::ferror(file);
    std::fclose(file);
    return read;
}

}  // namespace

int main(int argc, char** argv) {
    vortala::WatchEndSignals();
    const char* script = nullptr;
    if (argc == 3 && std::strcmp(argv[1], "--script") == 0)
        script = argv[2];
    else if (argc != 1) {
        std::cerr << "usage: vortala [--script FILE]\n";
        return 2;
    }
    std::string text;
    if (script && !ReadScript(script, text)) {
        std::cerr << "cannot open " << script << '\n';
        return 2;
    }
    vortala::GameWindow window;
    if (!window.Create()) return 1;
    if (!script) {
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
