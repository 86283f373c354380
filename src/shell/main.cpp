// Vortala: the game in its window.
//   vortala                 play
//   vortala --script FILE   run a script in the real window with real timers (see
//                           docs/SCRIPTING.md and WindowScriptDriver.h)
//   vortala --help | --version
#include <fstream>
#include <iostream>

#include "CommandLine.h"
#include "GameWindow.h"
#include "WindowScriptDriver.h"
#include "version/Version.h"

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
    // The script is opened before the window, so a wrong name costs no window.
    std::ifstream file;
    if (line.action == Action::Script) {
        file.open(line.script);
        if (!file) {
            std::cerr << "vortala: cannot open " << line.script << '\n';
            return 2;
        }
    }
    vortala::GameWindow window;
    if (!window.Create()) return 1;
    if (line.action == Action::Play) {
        window.Run();
        return 0;
    }
    vortala::WindowScriptDriver driver(window);
    const auto result = vortala::RunScript(file, driver, std::cout, std::cerr);
    window.RequestQuit();  // a script that did not close the window ends as a crash would: no save
    return static_cast<int>(result);
}
