#pragma once
// A borderless window centred on the field that shows one picture edge to edge; the about window
// and the statistics box draw their hot areas over it.
#include <imgui.h>

#include <cstdint>

namespace vortala {

// Begins the window and draws the picture; returns the picture's top-left corner on screen.
// Always pair with EndPictureWindow().
inline ImVec2 BeginPictureWindow(const char* id, ImVec2 size, unsigned texture) {
    const ImGuiViewport* view = ImGui::GetMainViewport();
    ImGui::SetNextWindowPos(view->GetCenter(), ImGuiCond_Always, ImVec2(0.5f, 0.5f));
    ImGui::SetNextWindowSize(size);
    ImGui::PushStyleVar(ImGuiStyleVar_WindowPadding, ImVec2(0, 0));
    ImGui::PushStyleVar(ImGuiStyleVar_WindowBorderSize, 0);
    ImGui::Begin(id, nullptr,
                 ImGuiWindowFlags_NoDecoration | ImGuiWindowFlags_NoMove | ImGuiWindowFlags_NoSavedSettings);
    const ImVec2 origin = ImGui::GetCursorScreenPos();
    if (texture)
        ImGui::GetWindowDrawList()->AddImage(
            reinterpret_cast<ImTextureID>(static_cast<std::uintptr_t>(texture)), origin,
            ImVec2(origin.x + size.x, origin.y + size.y));
    return origin;
}

inline void EndPictureWindow() {
    ImGui::End();
    ImGui::PopStyleVar(2);
}

}  // namespace vortala
