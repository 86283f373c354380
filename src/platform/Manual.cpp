#include "platform/Manual.h"

#include <filesystem>
#include <system_error>

namespace vortala {

namespace fs = std::filesystem;

std::vector<std::string> ManualPlaces() {
    std::vector<std::string> places;
    std::error_code error;
    const fs::path program = fs::read_symlink("/proc/self/exe", error);
    // With the game's data, which a system without /usr/share/doc still has.
    if (!error)
        places.push_back(
            (program.parent_path() / ".." / "share" / "games" / "vortala" / "manual" / "index.html")
                .lexically_normal()
                .string());
#ifdef VORTALA_SOURCE_MANUAL
    places.emplace_back(VORTALA_SOURCE_MANUAL);  // a development build: the tree it was built from
#endif
    return places;
}

std::string FindManual() {
    for (const std::string& place : ManualPlaces()) {
        std::error_code error;
        if (fs::is_regular_file(place, error)) return place;
    }
    return {};
}

}  // namespace vortala
