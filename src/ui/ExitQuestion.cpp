#include "ui/ExitQuestion.h"

#include <imgui.h>

namespace vortala {

void ExitQuestion::KeyDown(SDL_Keycode key, Uint16 /*modifiers*/) {
    if (key == SDLK_y) Choose(Answer::Yes);
    if (key == SDLK_n) Choose(Answer::No);
    if (key == SDLK_ESCAPE) Choose(Answer::Cancel);
}

namespace {

// The desktop's warning sign: an amber triangle with an exclamation mark, one text line high.
void WarningIcon() {
    const float size = ImGui::GetTextLineHeight() * 1.4f;
    const ImVec2 at = ImGui::GetCursorScreenPos();
    ImDrawList* draw = ImGui::GetWindowDrawList();
    draw->AddTriangleFilled(ImVec2(at.x + size / 2, at.y), ImVec2(at.x + size, at.y + size),
                            ImVec2(at.x, at.y + size), IM_COL32(255, 200, 30, 255));
    const ImVec2 mark = ImGui::CalcTextSize("!");
    draw->AddText(ImVec2(at.x + (size - mark.x) / 2, at.y + size * 0.3f), IM_COL32(0, 0, 0, 255), "!");
    ImGui::Dummy(ImVec2(size, size));
}

}  // namespace

void ExitQuestion::Draw() {
    const ImGuiViewport* view = ImGui::GetMainViewport();
    ImGui::SetNextWindowPos(view->GetCenter(), ImGuiCond_Always, ImVec2(0.5f, 0.5f));
    ImGui::Begin("Warning", nullptr,
                 ImGuiWindowFlags_AlwaysAutoResize | ImGuiWindowFlags_NoCollapse | ImGuiWindowFlags_NoMove |
                     ImGuiWindowFlags_NoSavedSettings);
    WarningIcon();
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
