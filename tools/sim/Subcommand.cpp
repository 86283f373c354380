#include "Subcommand.h"

#include <iostream>

namespace vortala::sim {

int UsageError(std::string_view subcommand, std::string_view mistake) {
    std::cerr << "vortala-sim " << subcommand << ": " << mistake << "\nTry 'vortala-sim " << subcommand
              << " --help' for more information.\n";
    return 2;
}

}  // namespace vortala::sim
