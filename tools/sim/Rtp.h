#pragma once
// The return-to-player simulator behind `vortala-sim rtp`.

namespace vortala::sim {

// Parses the rtp options (argv without the program and subcommand) and runs; returns the exit code.
int RunRtpCommand(int argc, char** argv);

}  // namespace vortala::sim
