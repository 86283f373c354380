#pragma once
// The game's icon on its window: the embedded icon.tga, rendered by the art pipeline from the same
// drawing as the desktop's icons. A missing or damaged picture leaves the window without an icon.
#include <SDL2/SDL.h>

namespace vortala {

void ApplyWindowIcon(SDL_Window* window);

}  // namespace vortala
