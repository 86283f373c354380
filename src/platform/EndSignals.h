#pragma once
// The signals that end a session from outside: SIGTERM (logout, shutdown), SIGINT (Ctrl+C) and
// SIGHUP (the terminal went away). The first one only raises a flag, which the event loop reads
// to close the game as the player's close would, without waiting for the player; a second one
// ends the process at once by its default action.
namespace vortala {

// Installs the handlers; call before anything else (SDL is told to leave these signals alone).
void WatchEndSignals();
// True once one of the signals has arrived.
bool EndSignalReceived();
// A descriptor that becomes readable, and stays so, once one of the signals has arrived: what a
// wait that is not the event loop's polls beside its own (-1 before WatchEndSignals).
int EndSignalDescriptor();

}  // namespace vortala
