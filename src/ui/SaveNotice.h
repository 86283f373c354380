#pragma once
// SaveNotice: the message over the field saying what could not be saved, where and why; "OK",
// Return or Escape closes it. It is drawn like the other dialogs, so the game beneath keeps
// running and the close on an end signal never waits for it.
#include <string>

#include "ui/ModalDialog.h"

namespace vortala {

class SaveNotice : public ModalDialog {
public:
    std::string_view Name() const override { return "Message"; }
    void Draw() override;
    void KeyDown(SDL_Keycode key, Uint16 modifiers) override;

    void SetText(std::string text) { text_ = std::move(text); }

private:
    std::string text_;
};

}  // namespace vortala
