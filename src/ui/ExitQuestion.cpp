#include "ui/ExitQuestion.h"

#include <imgui.h>

namespace vortala {

void ExitQuestion::KeyDown(SDL_Keycode key, Uint16 /*modifiers*/) {
    if (key == SDLK_y) Choose(Answer::Yes);
    if (key == SDLK_n) Choose(Answer::No);
    if (key == SDLK_ESCAPE) Choose(Answer::Cancel);
}

void ExitQuestion::Draw() {
    const ImGuiViewport* view = ImGui::GetMainViewport();
    ImGui::SetNextWindowPos(view->GetCenter(), ImGuiCond_Always, ImVec2(0.5f, 0.5f));
    ImGui::Begin("Warning", nullptr,
                 ImGuiWindowFlags_AlwaysAutoResize | ImGuiWindowFlags_NoCollapse | ImGuiWindowFlags_NoMove |
                     ImGuiWindowFlags_NoSavedSettings);
    ImGui::TextColored(ImVec4(1.0f, 0.8f, 0.1f, 1.0f), "(!)");
    ImGui::SameLine();
    ImGui::TextUnformatted("Yes - quit. No - new game. Cancel - cancel.");
    ImGui::Spacing();
    const ImVec2 button{80, 0};
    if (ImGui::Button("Yes", button)) Choose(Answer::Yes);
    ImGui::SameLine();
    if (ImGui::Button("No", button)) Choose(Answer::No);
    ImGui::SameLine();
    if (ImGui::Button("Cancel", button)) Choose(Answer::Cancel);
    ImGui::End();
}

}  // namespace vortala
