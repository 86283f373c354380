// Vortala: the game in its window.
//   vortala                 play
//   vortala --script FILE   run a script in the real window with real timers (see
//                           docs/SCRIPTING.md and WindowScriptDriver.h)
#include <cstring>
#include <fstream>
#include <iostream>

#include "GameWindow.h"
#include "WindowScriptDriver.h"

int main(int argc, char** argv) {
    const char* script = nullptr;
    if (argc == 3 && std::strcmp(argv[1], "--script") == 0)
        script = argv[2];
    else if (argc != 1) {
        std::cerr << "usage: vortala [--script FILE]\n";
        return 2;
    }
    vortala::GameWindow window;
    if (!window.Create()) return 1;
    if (!script) {
        window.Run();
        return 0;
    }
    std::ifstream file(script);
    if (!file) {
        std::cerr << "cannot open " << script << '\n';
        return 2;
    }
    vortala::WindowScriptDriver driver(window);
    const auto result = vortala::RunScript(file, driver, std::cout, std::cerr);
    window.RequestQuit();  // a script that did not close the window ends as a crash would: no save
    return static_cast<int>(result);
}
