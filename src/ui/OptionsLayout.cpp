// The options dialog's layout: two pages over a bottom strip with "Ok" and the site link.
#include <imgui.h>

#include "ui/AboutBox.h"
#include "ui/OptionsDialog.h"

namespace vortala {

namespace {

const ImVec2 kClient{722, 552};
const ImVec4 kHeading{1.0f, 0.85f, 0.45f, 1.0f};

void FortuneBar(OptionsDialog& d, int bar, int& position, const char* caption) {
    ImGui::TextUnformatted(caption);
    ImGui::TextUnformatted("Less");
    ImGui::SameLine();
    ImGui::SetNextItemWidth(220);
    int value = position;
    const std::string id = "##fortune" + std::to_string(bar);
    if (ImGui::SliderInt(id.c_str(), &value, -100, 100, "", ImGuiSliderFlags_AlwaysClamp))
        d.SetFortuneBar(bar, value);
    ImGui::SameLine();
    ImGui::TextUnformatted("More");
    ImGui::SameLine();
    ImGui::TextUnformatted(d.ValueLabel(bar).c_str());
    ImGui::Spacing();
}

}  // namespace

void OptionsDialog::Draw() {
    const ImGuiViewport* view = ImGui::GetMainViewport();
    ImGui::SetNextWindowPos(view->GetCenter(), ImGuiCond_Always, ImVec2(0.5f, 0.5f));
    ImGui::SetNextWindowSize(ImVec2(kClient.x, kClient.y + ImGui::GetFrameHeight()));
    ImGui::Begin("Options", nullptr,
                 ImGuiWindowFlags_NoResize | ImGuiWindowFlags_NoCollapse | ImGuiWindowFlags_NoMove |
                     ImGuiWindowFlags_NoSavedSettings | ImGuiWindowFlags_NoScrollbar);
    if (ImGui::BeginTabBar("PageControl1")) {
        const auto flags = [this](int page) {
            return wantedPage_ == page ? ImGuiTabItemFlags_SetSelected : ImGuiTabItemFlags_None;
        };
        if (ImGui::BeginTabItem("Settings", nullptr, flags(0))) {
            DrawSettingsPage();
            ImGui::EndTabItem();
        }
        if (ImGui::BeginTabItem("Gambling", nullptr, flags(1))) {
            DrawGamblingPage();
            ImGui::EndTabItem();
        }
        wantedPage_ = -1;
        ImGui::EndTabBar();
    }
    DrawBottomStrip();
    ImGui::End();
}

void OptionsDialog::DrawSettingsPage() {
    Settings& o = machine_.Options();
    ImGui::BeginChild("left", ImVec2(330, 440), true);
    ImGui::TextColored(kHeading, "Options");
    ImGui::Separator();
    ImGui::TextUnformatted("Delay");
    ImGui::SameLine();
    ImGui::SetNextItemWidth(100);
    int delay = o.autoStopSeconds;
    if (ImGui::InputInt("##autoStopSeconds", &delay)) SetDelay(delay);
    ImGui::SameLine();
    ImGui::TextUnformatted("sec.");
    ImGui::Spacing();
    ImGui::TextUnformatted("Speed");
    ImGui::TextUnformatted("More");
    ImGui::SameLine();
    ImGui::SetNextItemWidth(170);
    int speed = o.paintIntervalMs;
    if (ImGui::SliderInt("##paintIntervalMs", &speed, 1, 50, "%d ms", ImGuiSliderFlags_AlwaysClamp))
        SetSpeed(speed);
    ImGui::SameLine();
    ImGui::TextUnformatted("Less ");
    if (ImGui::Button("Normal")) Normal();
    ImGui::Spacing();
    ImGui::Checkbox("Sounds", &o.sounds);
    ImGui::Checkbox("On exit offer to play again", &o.offerNewGameOnExit);
    ImGui::Checkbox("Transparent lines", &o.transparentLines);
    ImGui::Checkbox("Automatic stop for reels ", &o.autoStop);
    ImGui::Checkbox("Store options", &o.storeOptions);
    ImGui::Checkbox("Play once bonus not accumulate ", &o.bonusOncePerGame);
    ImGui::Checkbox("Store window size", &o.storeWindowSize);
    ImGui::Spacing();
    if (ImGui::Button("history")) ShowHistory();
    if (creditShown_) ImGui::TextUnformatted(creditLine_.c_str());
    ImGui::EndChild();
    ImGui::SameLine();
    ImGui::BeginChild("right", ImVec2(0, 440), true);
    ImGui::TextColored(kHeading, "Fortuna settings");
    ImGui::Separator();
    FortuneBar(*this, 1, o.fortuneSpin, "Probability of winning deal");
    FortuneBar(*this, 2, o.fortuneRisk, "Probability of victory on the double.");
    FortuneBar(*this, 3, o.fortuneBonus, "Probability of victory on bonus-games");
    if (ImGui::Button("All 0%")) AllZero();
    ImGui::EndChild();
}

void OptionsDialog::DrawGamblingPage() {
    ImGui::PushStyleColor(ImGuiCol_ChildBg, ImVec4(0.0f, 0.4f, 0.0f, 1.0f));
    ImGui::BeginChild("WB1", ImVec2(680, 379), false);
    const std::string text = pageIndex_ == 0 ? builtInPage_
                                             : "News page " + std::to_string(pageIndex_) +
                                                   " of the maker's site:\n" + PageUrl(pageIndex_);
    const ImVec2 extent = ImGui::CalcTextSize(text.c_str());
    ImGui::SetCursorPos(ImVec2((680 - extent.x) / 2, (379 - extent.y) / 2));
    ImGui::TextUnformatted(text.c_str());
    if (pageIndex_ != 0) {
        ImGui::SetCursorPosX((680 - 160) / 2.0f);
        if (ImGui::Button("Open in the browser", ImVec2(160, 0))) services_.openUrl(PageUrl(pageIndex_));
    }
    ImGui::EndChild();
    ImGui::PopStyleColor();
    if (ImGui::Button(refreshCaption_.c_str(), ImVec2(100, 0))) Refresh();
    if (ImGui::IsItemHovered())
        ImGui::SetTooltip("Информация обновляется через Интернет. Нажмите и дождитесь обновления.");
    ImGui::SameLine();
    ImGui::TextWrapped("The information is updated via the Internet: press Refresh to see the next page.");
}

void OptionsDialog::DrawBottomStrip() {
    ImDrawList* draw = ImGui::GetWindowDrawList();
    const ImVec2 window = ImGui::GetWindowPos();
    const ImVec2 size = ImGui::GetWindowSize();
    const ImVec2 top{window.x, window.y + size.y - 56};
    const ImU32 dark = IM_COL32(125, 73, 53, 255), light = IM_COL32(204, 153, 134, 255);
    draw->AddRectFilledMultiColor(top, ImVec2(window.x + size.x, window.y + size.y), dark, light, light,
                                  dark);
    ImGui::SetCursorScreenPos(ImVec2(top.x + 16, top.y + 14));
    if (ImGui::Button("Ok", ImVec2(100, 28))) Ok();
    const std::string link = "More games on orvexa.example >>>";
    ImGui::SetCursorScreenPos(ImVec2(top.x + size.x - ImGui::CalcTextSize(link.c_str()).x - 20, top.y + 20));
    ImGui::TextColored(ImVec4(0.1f, 0.1f, 0.5f, 1.0f), "%s", link.c_str());
    if (ImGui::IsItemHovered()) ImGui::SetMouseCursor(ImGuiMouseCursor_Hand);
    if (ImGui::IsItemClicked(ImGuiMouseButton_Left)) services_.openUrl(kMakerSite);
}

}  // namespace vortala
