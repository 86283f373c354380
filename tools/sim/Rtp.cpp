#include "Rtp.h"

#include <iostream>

namespace vortala::sim {

int RunRtpCommand(int, char**) {
    std::cerr << "rtp: not built yet\n";
    return 2;
}

}  // namespace vortala::sim
