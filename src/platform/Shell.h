#pragma once
// The desktop around the game: web pages in the user's browser and modal message boxes.
#include <string_view>

namespace vortala {

// Starts xdg-open on the address without a shell and without waiting for it.
void OpenUrl(std::string_view url);

// A message box with the warning icon and one OK button (every box the game shows is a warning or
// an error); printed to standard error instead when the environment variable VORTALA_NO_DIALOGS is
// set or no box can be shown.
void ShowMessage(std::string_view caption, std::string_view text);

}  // namespace vortala
