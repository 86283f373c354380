#include "ui/StatisticsBox.h"
#include "ui/PictureWindow.h"

#include <imgui.h>

#include <string>

#include "ui/UiFonts.h"

namespace vortala {

namespace {

struct LabelBox {
    float x, y, w, h;
};
// Where the bill's blanks are on the 380 x 320 picture.
constexpr LabelBox kNumber{192, 64, 73, 22};
constexpr LabelBox kRecallButton{282, 10, 92, 24};  // on the board, right of the clip
constexpr LabelBox kMoney[4] = {
    {168, 116, 169, 22}, {168, 152, 169, 22}, {168, 188, 169, 22}, {176, 224, 153, 22}};
const ImVec2 kSize{380, 320};
const ImU32 kNavy = IM_COL32(0, 0, 128, 255);

void CentredLabel(ImDrawList* draw, ImVec2 origin, const LabelBox& box, const std::string& text) {
    ImFont* font = UiFonts::Label();
    const float size = font ? font->FontSize : ImGui::GetFontSize();
    const ImVec2 extent =
        font ? font->CalcTextSizeA(size, 1e9f, 0, text.c_str()) : ImGui::CalcTextSize(text.c_str());
    const ImVec2 at{origin.x + box.x + (box.w - extent.x) / 2, origin.y + box.y + (box.h - extent.y) / 2};
    draw->AddText(font ? font : ImGui::GetFont(), size, at, kNavy, text.c_str());
}

}  // namespace

void StatisticsBox::Activate() {
    number_ = closing_ ? records_.LastClosing().gameNumber : records_.GameNumber();
    shown_ = closing_ ? records_.LastClosing().money : records_.Current();
}

void StatisticsBox::KeyDown(SDL_Keycode key, Uint16 /*modifiers*/) {
    if (key != SDLK_F12) Close();
}

void StatisticsBox::Draw() {
    const ImVec2 origin = BeginPictureWindow("About##statistics", kSize, picture_);
    // The whole bill is one hot area apart from the game number.
    ImGui::InvisibleButton("bill", kSize);
    if (openRecall_) ImGui::SetItemAllowOverlap();  // the recall button lies on the bill
    const bool clicked = ImGui::IsItemClicked(ImGuiMouseButton_Left);
    const ImVec2 mouse = ImGui::GetIO().MousePos;
    auto over = [&](const LabelBox& b) {
        return mouse.x >= origin.x + b.x && mouse.x < origin.x + b.x + b.w && mouse.y >= origin.y + b.y &&
               mouse.y < origin.y + b.y + b.h;
    };
    const bool onNumber = over(kNumber) || (openRecall_ && over(kRecallButton));
    if (ImGui::IsItemHovered() && !onNumber) ImGui::SetMouseCursor(ImGuiMouseCursor_Hand);
    ImDrawList* draw = ImGui::GetWindowDrawList();
    CentredLabel(draw, origin, kNumber, std::to_string(number_));
    const Money figures[4] = {shown_.put, shown_.taken, shown_.won, shown_.lost};
    for (int i = 0; i < 4; ++i) CentredLabel(draw, origin, kMoney[i], std::to_string(figures[i]));
    bool recall = false;
    if (openRecall_) {
        ImGui::SetCursorScreenPos(ImVec2(origin.x + kRecallButton.x, origin.y + kRecallButton.y));
        recall = ImGui::Button("Game recall", ImVec2(kRecallButton.w, kRecallButton.h));
    }
    EndPictureWindow();
    if (recall) openRecall_();
    if (clicked && !onNumber) Close();
}

}  // namespace vortala
