#pragma once
// ImGuiLayer: Dear ImGui in the game window, drawing the dialogs that are up over the field.
// While one is up it takes every key and mouse event, so the game's own handlers see none, as
// with a modal window. The mouse is followed from the events themselves (the SDL back end reads
// the pointer's device state, which events pushed by a script do not move).
#include <SDL2/SDL.h>

#include "ui/DialogStack.h"

namespace vortala {

class ImGuiLayer {
public:
    ImGuiLayer(SDL_Window* window, SDL_GLContext context, DialogStack& stack);
    ~ImGuiLayer();
    ImGuiLayer(const ImGuiLayer&) = delete;
    ImGuiLayer& operator=(const ImGuiLayer&) = delete;

    // True when a dialog is up and the event is input, which it then takes.
    bool HandleEvent(const SDL_Event& e);
    void Render();

    // Drawable pixels per dialog unit, as of the last frame drawn.
    float Scale() const { return scale_; }

private:
    // Sets the frame's display size, scale and pointer; rebuilds the fonts when the scale moved.
    void FitToWindow();
    static void SnapToPixels(float scale);

    SDL_Window* window_;
    DialogStack& stack_;
    float scale_ = 1.0f;
    float fontScale_ = 0.0f;  // the scale the font atlas was built for
    float mouseX_ = -1, mouseY_ = -1;
    bool held_[3] = {};
    bool pressed_[3] = {};
};

}  // namespace vortala
