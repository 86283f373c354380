#include "ui/UiFonts.h"

#include <filesystem>

namespace vortala {

namespace {
constexpr const char* kRegular = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
constexpr const char* kBold = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
ImFont* gLabel = nullptr;
}  // namespace

void UiFonts::Load() {
    ImFontAtlas* atlas = ImGui::GetIO().Fonts;
    std::error_code error;
    const ImWchar* ranges = atlas->GetGlyphRangesCyrillic();
    if (std::filesystem::exists(kRegular, error))
        atlas->AddFontFromFileTTF(kRegular, 15.0f, nullptr, ranges);
    else
        atlas->AddFontDefault();
    gLabel = std::filesystem::exists(kBold, error) ? atlas->AddFontFromFileTTF(kBold, 21.0f, nullptr, ranges)
                                                   : nullptr;
}

ImFont* UiFonts::Label() {
    return gLabel;
}

}  // namespace vortala
