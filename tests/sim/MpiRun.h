#pragma once
// Runs vortala-sim-mpi on two ranks and hands back what rank 0 printed.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace vortala::sim::test {

#ifdef VORTALA_SIM_MPI
// False, with what the job wrote to standard error, when it failed.
inline bool RunOnTwoRanks(const std::string& arguments, std::string& output, std::string& failure) {
    const std::string errors = testing::TempDir() + "vortala-sim-mpi.err";
    // Leak checks would count Open MPI's own allocations at exit in the sanitizer build.
    const std::string command = std::string(VORTALA_MPIEXEC) +
                                " --oversubscribe --allow-run-as-root -x ASAN_OPTIONS=detect_leaks=0 -np 2 " +
                                VORTALA_SIM_MPI + " " + arguments + " 2>" + errors;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe) {
        failure = "cannot start " + command;
        return false;
    }
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) output.append(buffer, n);
    if (pclose(pipe) == 0) return true;
    std::ifstream in(errors);
    std::ostringstream text;
    text << in.rdbuf();
    failure = command + " failed:\n" + text.str();
    return false;
}
#endif

}  // namespace vortala::sim::test
