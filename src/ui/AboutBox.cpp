#include "ui/AboutBox.h"
#include "ui/PictureWindow.h"

#include <imgui.h>

#include <cstdint>
#include <string>

#include "ui/UiFonts.h"
#include "version/Version.h"

namespace vortala {

namespace {
const ImVec2 kSize{466, 207};
const ImVec2 kAddressAt{136, 178}, kAddressSize{185, 23};
// The chart leaves the version's line blank, so the build's version is written there.
constexpr float kVersionCentreX = 200, kVersionBaseline = 112;
const ImU32 kInk = IM_COL32(0x3a, 0x24, 0x10, 255);

void DrawVersion(ImVec2 origin) {
    const std::string text = "version " + std::string(kVersion);
    ImFont* font = UiFonts::Caption() ? UiFonts::Caption() : ImGui::GetFont();
    const ImVec2 extent = font->CalcTextSizeA(font->FontSize, 1e9f, 0, text.c_str());
    const ImVec2 at{origin.x + kVersionCentreX - extent.x / 2, origin.y + kVersionBaseline - font->Ascent};
    ImGui::GetWindowDrawList()->AddText(font, font->FontSize, at, kInk, text.c_str());
}
}  // namespace

void AboutBox::KeyDown(SDL_Keycode key, Uint16 /*modifiers*/) {
    if (key == SDLK_ESCAPE) Close();
}

void AboutBox::Draw() {
    DrawVersion(BeginPictureWindow("AboutBox", kSize, picture_));
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
