#pragma once
// What every vortala-sim subcommand has: a name, a line for the overview, its usage text (kept
// beside its option parser) and its entry point. main.cpp lists them; a new subcommand is one row
// there. main answers --help and --version for every subcommand before running it.
#include <string_view>

namespace vortala::sim {

struct Subcommand {
    std::string_view name;
    std::string_view summary;
    const char* (*usage)();
    int (*run)(int argc, char** argv);  // argv without the program and subcommand names
};

// Reports a mistake in a subcommand's arguments as one line naming it, then where its usage is.
// Returns the exit status for bad usage, 2.
int UsageError(std::string_view subcommand, std::string_view mistake);

}  // namespace vortala::sim
