#pragma once
// The player's manual, one HTML page with its pictures beside it. An installed game finds it with
// its data under its prefix; a development build finds it in the source tree it was built from.
#include <string>
#include <vector>

namespace vortala {

// Where the manual may be, in the order tried: <dir of the executable>/../share/games/vortala/
// manual/index.html, then the source tree's docs/manual/index.html.
std::vector<std::string> ManualPlaces();
// The first of those places that holds the manual, or empty.
std::string FindManual();

}  // namespace vortala
