#include "ui/LogWindow.h"

#include <imgui.h>

namespace vortala {

namespace {
constexpr float kWidth = 400;  // the memo: wide enough for a whole date line in the dialogs' font
}  // namespace

// "OK" is the default button, and Escape cancels, as in any dialog.
void LogWindow::KeyDown(SDL_Keycode key, Uint16 /*modifiers*/) {
    if (key == SDLK_RETURN || key == SDLK_KP_ENTER || key == SDLK_ESCAPE) Close();
}

void LogWindow::Draw() {
    const ImGuiViewport* view = ImGui::GetMainViewport();
    ImGui::SetNextWindowPos(view->GetCenter(), ImGuiCond_Always, ImVec2(0.5f, 0.5f));
    ImGui::SetNextWindowSize(ImVec2(kWidth + 16, 254 + ImGui::GetFrameHeight()));
    ImGui::Begin("Log", nullptr,
                 ImGuiWindowFlags_NoResize | ImGuiWindowFlags_NoCollapse | ImGuiWindowFlags_NoMove |
                     ImGuiWindowFlags_NoSavedSettings);
    memo_.clear();
    for (const std::string& line : log_.Lines()) memo_ += line + '\n';
    ImGui::InputTextMultiline("##Memo1", memo_.data(), memo_.size() + 1, ImVec2(kWidth, 201),
                              ImGuiInputTextFlags_ReadOnly);
    ImGui::SetCursorPosX((kWidth + 16 - 75) / 2);
    if (ImGui::Button("OK", ImVec2(75, 25))) Close();
    ImGui::End();
}

}  // namespace vortala
