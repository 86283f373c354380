#include "ui/InputCapture.h"

namespace vortala {

bool InputCapture::Swallows(const SDL_Event& e, bool dialogUp) {
    switch (e.type) {
        case SDL_KEYDOWN:
            if (dialogUp) keys_.insert(e.key.keysym.scancode);
            return false;
        case SDL_KEYUP:
            return keys_.erase(e.key.keysym.scancode) > 0 && !dialogUp;
        case SDL_TEXTINPUT:
            // The character comes after its key's press, while the key is still down.
            return !dialogUp && !keys_.empty();
        case SDL_MOUSEBUTTONDOWN:
            if (dialogUp) buttons_.insert(e.button.button);
            return false;
        case SDL_MOUSEBUTTONUP:
            return buttons_.erase(e.button.button) > 0 && !dialogUp;
        default:
            return false;
    }
}

}  // namespace vortala
