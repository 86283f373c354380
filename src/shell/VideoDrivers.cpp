#include "VideoDrivers.h"

#include <SDL2/SDL.h>

#include <cstdlib>
#include <string>

namespace vortala {

namespace {

bool Absolute(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && value[0] == '/';
}

// The Wayland client library's own conditions for trying a socket: an inherited one, or a name
// that is a path, or the runtime folder to find the name in.
bool WaylandReachable() {
    return std::getenv("WAYLAND_SOCKET") != nullptr || Absolute("WAYLAND_DISPLAY") ||
           Absolute("XDG_RUNTIME_DIR");
}

}  // namespace

bool ChooseVideoDrivers() {
    if (std::getenv("SDL_VIDEODRIVER") != nullptr) return false;
    std::string drivers;
    for (int i = 0; i < SDL_GetNumVideoDrivers(); ++i) {
        const std::string name = SDL_GetVideoDriver(i);
        if (name == "offscreen" || name == "dummy" || (name == "wayland" && !WaylandReachable())) continue;
        drivers += (drivers.empty() ? "" : ",") + name;
    }
    if (!drivers.empty()) SDL_SetHint(SDL_HINT_VIDEODRIVER, drivers.c_str());
    return true;
}

}  // namespace vortala
