#include "ui/UiFonts.h"

#include <filesystem>

namespace vortala {

namespace {
constexpr const char* kRegular = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
constexpr const char* kBold = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
constexpr const char* kSerifItalic = "/usr/share/fonts/truetype/dejavu/DejaVuSerif-Italic.ttf";
ImFont* gLabel = nullptr;
ImFont* gCaption = nullptr;

ImFont* AddIfPresent(ImFontAtlas* atlas, const char* path, float pixels, const ImWchar* ranges) {
    std::error_code error;
    return std::filesystem::exists(path, error) ? atlas->AddFontFromFileTTF(path, pixels, nullptr, ranges)
                                                : nullptr;
}
}  // namespace

void UiFonts::Load(float scale) {
    ImFontAtlas* atlas = ImGui::GetIO().Fonts;
    const ImWchar* ranges = atlas->GetGlyphRangesCyrillic();
    if (!AddIfPresent(atlas, kRegular, 15.0f * scale, ranges)) {
        ImFontConfig config;
        config.SizePixels = 13.0f * scale;
        atlas->AddFontDefault(&config);
    }
    gLabel = AddIfPresent(atlas, kBold, 21.0f * scale, ranges);
    gCaption = AddIfPresent(atlas, kSerifItalic, 18.0f * scale, ranges);
}

ImFont* UiFonts::Label() {
    return gLabel;
}

ImFont* UiFonts::Caption() {
    return gCaption;
}

}  // namespace vortala
