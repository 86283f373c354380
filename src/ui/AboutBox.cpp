#include "ui/AboutBox.h"

#include <imgui.h>

#include <cstdint>

namespace vortala {

namespace {
const ImVec2 kSize{466, 207};
const ImVec2 kAddressAt{136, 178}, kAddressSize{185, 23};
}  // namespace

void AboutBox::Draw() {
    const ImGuiViewport* view = ImGui::GetMainViewport();
    ImGui::SetNextWindowPos(view->GetCenter(), ImGuiCond_Always, ImVec2(0.5f, 0.5f));
    ImGui::SetNextWindowSize(kSize);
    ImGui::PushStyleVar(ImGuiStyleVar_WindowPadding, ImVec2(0, 0));
    ImGui::PushStyleVar(ImGuiStyleVar_WindowBorderSize, 0);
    ImGui::Begin("AboutBox", nullptr,
                 ImGuiWindowFlags_NoDecoration | ImGuiWindowFlags_NoMove | ImGuiWindowFlags_NoSavedSettings);
    const ImVec2 origin = ImGui::GetCursorScreenPos();
    if (picture_)
        ImGui::GetWindowDrawList()->AddImage(
            reinterpret_cast<ImTextureID>(static_cast<std::uintptr_t>(picture_)), origin,
            ImVec2(origin.x + kSize.x, origin.y + kSize.y));
    ImGui::InvisibleButton("chart", kSize);
    const bool chartClicked = ImGui::IsItemClicked(ImGuiMouseButton_Left);
    ImGui::SetCursorPos(kAddressAt);
    ImGui::InvisibleButton("address", kAddressSize);
    const bool addressClicked = ImGui::IsItemClicked(ImGuiMouseButton_Left);
    if (ImGui::IsItemHovered()) ImGui::SetMouseCursor(ImGuiMouseCursor_Hand);
    ImGui::End();
    ImGui::PopStyleVar(2);
    if (addressClicked)
        ClickAddress();
    else if (chartClicked)
        Close();
}

}  // namespace vortala
