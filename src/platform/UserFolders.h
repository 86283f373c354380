#pragma once
// The user's folders for configuration and data, after the XDG base-directory rules.
#include <string>

namespace vortala {

// $XDG_CONFIG_HOME, else ~/.config; without a trailing slash.
std::string UserConfigFolder();
// The game's data folder: $XDG_DATA_HOME (else ~/.local/share) + "/Orvexa/Vortala/". Ends with a
// slash.
std::string UserDataFolder();
// The same folder, created with its parents: where the statistics log lives.
std::string SaveFolder();

}  // namespace vortala
