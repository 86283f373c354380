#include "ui/SaveNotice.h"

#include <imgui.h>

namespace vortala {

void SaveNotice::KeyDown(SDL_Keycode key, Uint16 /*modifiers*/) {
    if (key == SDLK_RETURN || key == SDLK_KP_ENTER || key == SDLK_ESCAPE) Close();
}

void SaveNotice::Draw() {
    const ImGuiViewport* view = ImGui::GetMainViewport();
    ImGui::SetNextWindowPos(view->GetCenter(), ImGuiCond_Always, ImVec2(0.5f, 0.5f));
    ImGui::Begin("Vortala", nullptr,
                 ImGuiWindowFlags_AlwaysAutoResize | ImGuiWindowFlags_NoCollapse | ImGuiWindowFlags_NoMove |
                     ImGuiWindowFlags_NoSavedSettings);
    ImGui::PushTextWrapPos(view->Size.x * 0.7f);
    ImGui::TextUnformatted(text_.c_str());
    ImGui::PopTextWrapPos();
    ImGui::Spacing();
    ImGui::SetCursorPosX((ImGui::GetWindowContentRegionMax().x - 75) / 2);
    if (ImGui::Button("OK", ImVec2(75, 0))) Close();
    ImGui::End();
}

}  // namespace vortala
