#include "ui/AboutBox.h"
#include "ui/PictureWindow.h"

#include <imgui.h>

#include <cstdint>

namespace vortala {

namespace {
const ImVec2 kSize{466, 207};
const ImVec2 kAddressAt{136, 178}, kAddressSize{185, 23};
}  // namespace

void AboutBox::KeyDown(SDL_Keycode key, Uint16 /*modifiers*/) {
    if (key == SDLK_ESCAPE) Close();
}

void AboutBox::Draw() {
    BeginPictureWindow("AboutBox", kSize, picture_);
    ImGui::InvisibleButton("chart", kSize);
    const bool chartClicked = ImGui::IsItemClicked(ImGuiMouseButton_Left);
    ImGui::SetCursorPos(kAddressAt);
    ImGui::InvisibleButton("address", kAddressSize);
    const bool addressClicked = ImGui::IsItemClicked(ImGuiMouseButton_Left);
    if (ImGui::IsItemHovered()) ImGui::SetMouseCursor(ImGuiMouseCursor_Hand);
    EndPictureWindow();
    if (addressClicked)
        ClickAddress();
    else if (chartClicked)
        Close();
}

}  // namespace vortala
