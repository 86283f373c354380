#pragma once
// Which of SDL's video drivers the game may start on when the player chose none.

namespace vortala {

// Without SDL_VIDEODRIVER, SDL is given the drivers that show a window, in SDL's own order: the
// off-screen and dummy drivers are left out (a game nobody could see), and Wayland too when its
// library could not reach a compositor, as it would then print an error line of its own before
// ours. Returns false when the player chose a driver (nothing is changed then).
bool ChooseVideoDrivers();

}  // namespace vortala
