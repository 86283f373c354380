#pragma once
// The user's folders for configuration and data, after the XDG base-directory rules.
#include <string>

namespace vortala {

// $XDG_CONFIG_HOME, else ~/.config; without a trailing slash.
std::string UserConfigFolder();
// Where the statistics log lives: $XDG_DATA_HOME (else ~/.local/share) + "/Orvexa/Vortala/",
// created with its parents. Ends with a slash.
std::string SaveFolder();

}  // namespace vortala
