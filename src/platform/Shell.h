#pragma once
// The desktop around the game: web pages in the user's browser and modal message boxes.
#include <functional>
#include <string_view>

namespace vortala {

// Starts xdg-open on the address without a shell and without waiting for it; it inherits no
// descriptor beyond the standard three. `failed` runs when no browser could be started: at once
// when xdg-open is missing, or later, on a thread of its own, when it ends with an error.
void OpenUrl(std::string_view url, std::function<void()> failed = {});

// A message box with the warning icon and one OK button (every box the game shows is a warning or
// an error); printed to standard error instead when messages go there or no box can be shown.
void ShowMessage(std::string_view caption, std::string_view text);
// As ShowMessage, for a start that is refused before the game has a window (another copy runs,
// no lock, a display too small): an end signal (EndSignals.h) takes the box down and returns at
// once, so the refused copy ends on a signal as the game does. The box is shown by a child process,
// which is why this is not for a game with a window: the child shares the display connection.
void ShowStartMessage(std::string_view caption, std::string_view text);
// True when the environment variable VORTALA_NO_DIALOGS is set: messages are lines on standard
// error, for scripts and tests.
bool MessagesOnStandardError();

}  // namespace vortala
