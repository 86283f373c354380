#pragma once
// Whether this machine looks connected: it has a default route. Only the machine's own routing
// table is read; no host is ever contacted.
#include <string_view>

namespace vortala {

// The text of /proc/net/route: true when a line has the destination 00000000 and is up.
bool HasDefaultRoute(std::string_view routeTable);
bool InternetConnected();

}  // namespace vortala
