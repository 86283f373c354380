#pragma once
// `vortala-sim par`: the game's exact figures over every generator state.
namespace vortala::sim {

// argv without the program and subcommand names; returns the exit code.
int RunParCommand(int argc, char** argv);

}  // namespace vortala::sim
