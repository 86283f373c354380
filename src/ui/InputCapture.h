#pragma once
// InputCapture: a press that a dialog took belongs to the dialog until it is released. A dialog
// closed by a key or a click goes down between the press and its release, so without this the
// release (and the typed character that follows a key) would reach the game beneath: the Space
// that dismisses the statistics box would start a paid spin.
#include <SDL2/SDL.h>

#include <set>

namespace vortala {

class InputCapture {
public:
    // Sees every event before the dialogs and the game; true when it belongs to a press a dialog
    // took and must reach neither. dialogUp: a dialog is up as the event arrives.
    bool Swallows(const SDL_Event& e, bool dialogUp);

private:
    std::set<SDL_Scancode> keys_;
    std::set<Uint8> buttons_;
};

}  // namespace vortala
