#pragma once
// `vortala-sim script FILE|-`: a game script against a fresh machine on a virtual clock.

namespace vortala::sim {

const char* ScriptUsage();
// argv without the program and subcommand names; returns the exit status.
int RunScriptCommand(int argc, char** argv);

}  // namespace vortala::sim
