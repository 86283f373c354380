#pragma once
// AboutBox: the framed sea chart with the game's name, the build's version and the maker's web
// address. A click on the address opens the site in the browser; a click anywhere else, or Escape,
// closes the window.
#include <functional>
#include <string_view>

#include "gfx/Textures.h"
#include "ui/ModalDialog.h"

namespace vortala {

inline constexpr std::string_view kMakerSite = "https://www.orvexa.example";

class AboutBox : public ModalDialog {
public:
    explicit AboutBox(std::function<void(std::string_view)> openUrl) : openUrl_(std::move(openUrl)) {}

    std::string_view Name() const override { return "AboutBox"; }
    void Draw() override;
    void KeyDown(SDL_Keycode key, Uint16 modifiers) override;
    void SetPicture(TextureHandle picture) { picture_ = picture; }
    // The hot area over the web address.
    void ClickAddress() { openUrl_(kMakerSite); }

private:
    std::function<void(std::string_view)> openUrl_;
    TextureHandle picture_ = 0;
};

}  // namespace vortala
