#include "WindowIcon.h"

#include "gfx/ImageDecode.h"
#include "platform/Resources.h"

namespace vortala {

void ApplyWindowIcon(SDL_Window* window) {
    const auto resource = FindResource("icon", ResourceType::Tga);
    if (!resource) return;
    DecodeResult decoded = DecodeTga(resource->data, resource->size, "icon.tga");
    if (!decoded.image || decoded.image->channels != 4) return;
    Image& icon = *decoded.image;
    // Stored upside down like every picture of the game, so its rows arrive top row first, as SDL
    // reads a surface.
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormatFrom(icon.pixels.data(), icon.width, icon.height, 32,
                                                              icon.width * 4, SDL_PIXELFORMAT_RGBA32);
    if (!surface) return;
    SDL_SetWindowIcon(window, surface);  // copies the pixels
    SDL_FreeSurface(surface);
}

}  // namespace vortala
