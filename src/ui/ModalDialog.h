#pragma once
// ModalDialog: one window of the dialog layer. While any dialog is up it has the keyboard and the
// mouse; the game beneath keeps running. Closing is a request the stack carries out between
// frames, after which the dialog's continuation runs (the code that followed a modal call).
#include <SDL2/SDL_keycode.h>

#include <functional>
#include <string_view>

namespace vortala {

class ModalDialog {
public:
    virtual ~ModalDialog() = default;

    // The form's name, for scripts and tests.
    virtual std::string_view Name() const = 0;
    // Lays the dialog out for one frame (ImGui calls).
    virtual void Draw() = 0;
    // A key press the dialog sees before its controls (key preview).
    virtual void KeyDown(SDL_Keycode /*key*/, Uint16 /*modifiers*/) {}
    // Called each time the dialog comes up.
    virtual void Activate() {}
    virtual bool IgnoresRightClicks() const { return false; }

    void Close() { closed_ = true; }
    bool Closed() const { return closed_; }
    void Reopen() { closed_ = false; }

    // Runs once the dialog has closed.
    std::function<void()> then;

private:
    bool closed_ = false;
};

}  // namespace vortala
