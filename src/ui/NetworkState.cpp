#include "ui/NetworkState.h"

#include <charconv>
#include <sstream>
#include <string>

#include "platform/RegularFile.h"

namespace vortala {

bool HasDefaultRoute(std::string_view table) {
    std::istringstream lines{std::string(table)};
    std::string line;
    std::getline(lines, line);  // the column titles
    while (std::getline(lines, line)) {
        std::istringstream fields(line);
        std::string iface, destination, gateway, flags;
        if (!(fields >> iface >> destination >> gateway >> flags)) continue;
        unsigned value = 0;
        const auto parsed = std::from_chars(flags.data(), flags.data() + flags.size(), value, 16);
        const bool up = parsed.ec == std::errc() && (value & 1u) != 0;  // RTF_UP
        if (destination == "00000000" && up && iface != "lo") return true;
    }
    return false;
}

bool InternetConnected() {
    const auto table = ReadRegularFile("/proc/net/route", 1 << 20, ReadPart::Whole);
    return table && HasDefaultRoute(*table);
}

}  // namespace vortala
