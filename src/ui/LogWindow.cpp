#include "ui/LogWindow.h"

#include <imgui.h>

#include <cstdio>
#include <ctime>
#include <fstream>
#include <iterator>

#include "platform/AtomicFile.h"

namespace vortala {

namespace {

constexpr float kWidth = 400;  // the memo: wide enough for a whole date line in the dialogs' font

std::tm LocalNow() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return local;
}

}  // namespace

LogWindow::LogWindow(std::string filePath, int gameNumber, const GameState* game)
    : path_(std::move(filePath)), game_(game) {
    OpenSection(gameNumber);
}

LogWindow::~LogWindow() {
    CloseSection();
}

void LogWindow::OpenSection(int gameNumber) {
    if (StatLog::ClearsHistoryAt(gameNumber)) std::remove(path_.c_str());
    std::ifstream in(path_, std::ios::binary);
    if (in) log_.Replace(std::string{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()});
    log_.AppendOpening(gameNumber, LocalNow());
}

void LogWindow::CloseSection() {
    log_.AppendClosing(game_ ? game_->CreditInserted : 0, game_ ? game_->Credit : 0, LocalNow());
    if (!ReplaceFileAtomically(path_, log_.Text()))
        std::fprintf(stderr, "vortala: could not save %s\n", path_.c_str());
}

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
