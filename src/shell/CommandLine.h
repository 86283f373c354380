#pragma once
// The game's command line: play, play a script, or only print the help or the version. Parsing
// touches no display, so --help and --version work on any terminal.
#include <string>

namespace vortala {

struct CommandLine {
    enum class Action { Play, Script, Help, Version, Mistake };
    Action action = Action::Play;
    std::string script;   // Script: the file to run
    std::string mistake;  // Mistake: one line naming what was wrong
};

// argv as main receives it. --help and --version win over anything after them.
CommandLine ParseCommandLine(int argc, char** argv);

// The text of --help: usage, options, main keys, where the files live (as they resolve here and
// now) and the environment the game reads.
std::string HelpText();

}  // namespace vortala
