#include "ui/ImGuiLayer.h"

#include <backends/imgui_impl_opengl2.h>
#include <backends/imgui_impl_sdl.h>
#include <imgui.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <vector>

#include "game/FieldArea.h"
#include "ui/UiFonts.h"

namespace vortala {

namespace {

constexpr float kReferenceHeight = 600;  // the field's height the dialogs are laid out for

bool IsInput(Uint32 type) {
    switch (type) {
        case SDL_KEYDOWN:
        case SDL_KEYUP:
        case SDL_TEXTINPUT:
        case SDL_TEXTEDITING:
        case SDL_MOUSEMOTION:
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
        case SDL_MOUSEWHEEL:
            return true;
        default:
            return false;
    }
}

int ButtonIndex(Uint8 button) {
    if (button == SDL_BUTTON_LEFT) return 0;
    if (button == SDL_BUTTON_RIGHT) return 1;
    if (button == SDL_BUTTON_MIDDLE) return 2;
    return -1;
}

}  // namespace

ImGuiLayer::ImGuiLayer(SDL_Window* window, SDL_GLContext context, DialogStack& stack)
    : window_(window), stack_(stack) {
    IMGUI_CHECKVERSION();
    ImGui::CreateContext();
    ImGuiIO& io = ImGui::GetIO();
    io.IniFilename = nullptr;  // dialogs are placed by the game, nothing to remember
    ImGui::StyleColorsDark();
    ImGuiStyle& style = ImGui::GetStyle();
    style.DisabledAlpha = 1.0f;  // a dialog beneath another stays as it was, only inert
    style.WindowRounding = 4;
    style.FrameRounding = 3;
    style.Colors[ImGuiCol_WindowBg] = ImVec4(0.16f, 0.10f, 0.07f, 0.97f);
    style.Colors[ImGuiCol_TitleBgActive] = ImVec4(0.49f, 0.29f, 0.21f, 1.0f);
    style.Colors[ImGuiCol_Button] = ImVec4(0.55f, 0.35f, 0.20f, 1.0f);
    style.Colors[ImGuiCol_ButtonHovered] = ImVec4(0.70f, 0.47f, 0.28f, 1.0f);
    style.Colors[ImGuiCol_Tab] = ImVec4(0.40f, 0.25f, 0.17f, 1.0f);
    style.Colors[ImGuiCol_TabActive] = ImVec4(0.62f, 0.40f, 0.25f, 1.0f);
    style.Colors[ImGuiCol_FrameBg] = ImVec4(0.30f, 0.20f, 0.13f, 1.0f);
    style.Colors[ImGuiCol_SliderGrab] = ImVec4(0.95f, 0.75f, 0.35f, 1.0f);
    style.Colors[ImGuiCol_CheckMark] = ImVec4(0.95f, 0.80f, 0.40f, 1.0f);
    ImGui_ImplSDL2_InitForOpenGL(window, context);
    ImGui_ImplOpenGL2_Init();
}

ImGuiLayer::~ImGuiLayer() {
    ImGui_ImplOpenGL2_Shutdown();
    ImGui_ImplSDL2_Shutdown();
    ImGui::DestroyContext();
}

bool ImGuiLayer::HandleEvent(const SDL_Event& e) {
    if (!stack_.Active() || !IsInput(e.type)) return false;
    ModalDialog* top = stack_.Top();
    const bool button = e.type == SDL_MOUSEBUTTONDOWN || e.type == SDL_MOUSEBUTTONUP;
    if (button && e.button.button == SDL_BUTTON_RIGHT && top->IgnoresRightClicks()) return true;
    if (e.type == SDL_MOUSEMOTION)
        mouseX_ = static_cast<float>(e.motion.x), mouseY_ = static_cast<float>(e.motion.y);
    if (button) {
        mouseX_ = static_cast<float>(e.button.x), mouseY_ = static_cast<float>(e.button.y);
        const int i = ButtonIndex(e.button.button);
        if (i >= 0) {
            held_[i] = e.type == SDL_MOUSEBUTTONDOWN;
            if (held_[i]) pressed_[i] = true;
        }
    }
    ImGui_ImplSDL2_ProcessEvent(&e);
    if (e.type == SDL_KEYDOWN) top->KeyDown(e.key.keysym.sym, e.key.keysym.mod);
    stack_.Collect();
    return true;
}

void ImGuiLayer::FitToWindow() {
    int windowW = 1, windowH = 1, drawableW = 1, drawableH = 1;
    SDL_GetWindowSize(window_, &windowW, &windowH);
    SDL_GL_GetDrawableSize(window_, &drawableW, &drawableH);
    const FieldArea field = FitField(drawableW, drawableH);
    // Below half size the text could no longer be read at all.
    scale_ = std::max(static_cast<float>(field.height) / kReferenceHeight, 0.5f);
    ImGuiIO& io = ImGui::GetIO();
    if (scale_ != fontScale_) {
        io.Fonts->Clear();
        UiFonts::Load(scale_);
        ImGui_ImplOpenGL2_DestroyFontsTexture();  // made again from the new atlas
        fontScale_ = scale_;
    }
    io.FontGlobalScale = 1.0f / scale_;
    // A hair over, so the back end's whole drawable size (size times scale, cut to an integer)
    // is not one pixel short.
    constexpr float kHair = 1e-3f;
    io.DisplaySize = ImVec2(static_cast<float>(drawableW) / scale_ + kHair,
                            static_cast<float>(drawableH) / scale_ + kHair);
    io.DisplayFramebufferScale = ImVec2(scale_, scale_);
    const float pointer = static_cast<float>(drawableW) / static_cast<float>(std::max(windowW, 1)) / scale_;
    io.MousePos = mouseX_ < 0 ? ImVec2(-FLT_MAX, -FLT_MAX) : ImVec2(mouseX_ * pointer, mouseY_ * pointer);
}

// Every vertex on a whole drawable pixel: a glyph rasterised at the drawn size then covers its
// pixels exactly instead of being resampled between them.
void ImGuiLayer::SnapToPixels(float scale) {
    ImDrawData* data = ImGui::GetDrawData();
    for (int i = 0; data && i < data->CmdListsCount; ++i)
        for (ImDrawVert& v : data->CmdLists[i]->VtxBuffer) {
            v.pos.x = std::round(v.pos.x * scale) / scale;
            v.pos.y = std::round(v.pos.y * scale) / scale;
        }
}

void ImGuiLayer::Render() {
    if (!stack_.Active()) return;
    ImGui_ImplSDL2_NewFrame();
    FitToWindow();
    ImGui_ImplOpenGL2_NewFrame();
    ImGuiIO& io = ImGui::GetIO();
    for (int i = 0; i < 3; ++i) {
        io.MouseDown[i] = held_[i] || pressed_[i];  // a click within one frame still counts
        pressed_[i] = false;
    }
    ImGui::NewFrame();
    const ModalDialog* top = stack_.Top();
    // A copy: a dialog may bring up another while it draws (the options' "history").
    const std::vector<ModalDialog*> shown = stack_.Shown();
    for (ModalDialog* dialog : shown) {
        if (dialog != top) ImGui::BeginDisabled();
        dialog->Draw();
        if (dialog != top) ImGui::EndDisabled();
    }
    ImGui::Render();
    SnapToPixels(scale_);
    ImGui_ImplOpenGL2_RenderDrawData(ImGui::GetDrawData());
    stack_.Collect();
}

}  // namespace vortala
