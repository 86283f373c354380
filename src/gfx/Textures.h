#pragma once
// Textures: pictures turned into OpenGL textures, and the catalogue the scenes draw with.
// Loading happens once at start-up with the context current; a picture that fails shows its
// message and leaves its handle 0, and start-up goes on.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

namespace vortala {

using TextureHandle = std::uint32_t;

class TextureCatalogue {
public:
    // Loads every picture of the catalogue from the embedded resources, in catalogue order.
    void Load();
    // Handle of a picture by its name ("sundukoff.tga"); 0 when it did not load.
    TextureHandle Get(std::string_view picture) const;
    int Loaded() const { return loaded_; }

    std::array<TextureHandle, 11> SymbolTexture{};
    std::array<TextureHandle, 4> CoinDrumTexture{};
    std::array<TextureHandle, 27> BnFrameTexture{};
    // Drum faces by face code: symbols 0..10, then the four extra wild frames.
    std::array<TextureHandle, 15> FaceTexture{};

private:
    std::unordered_map<std::string, TextureHandle> byName_;
    int loaded_ = 0;
};

// Creates a mipmapped texture from bottom-up rows of RGB (3) or RGBA (4) bytes.
TextureHandle CreateTexture(int width, int height, int channels, const std::uint8_t* pixels);
// The picture of reel symbol 0..10 ("ostr.jpg" for the island), for drawings outside the reels.
const char* SymbolPicture(int symbol);
// Loads one picture from the resources by name; false (with a message box) when it fails.
bool LoadTexture(std::string_view picture, TextureHandle& handle);

// The fixed lighting of the scenes: one white light and colour material.
void SetupSceneLighting();

}  // namespace vortala
