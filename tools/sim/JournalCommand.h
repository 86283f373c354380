#pragma once
// `vortala-sim journal`: proof and replay of recorded games.
//   journal verify FILE    re-plays every record through the rules and compares
//   journal script FILE N  prints game N (its sequence number) as a machine script

namespace vortala::sim {

const char* JournalUsage();
// argv without the program and subcommand names; returns the exit code.
int RunJournalCommand(int argc, char** argv);

}  // namespace vortala::sim
