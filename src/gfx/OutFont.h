#pragma once
// OutFont: the bitmap font of the field. 256 glyph quads in display lists, two type faces of
// 128 glyphs for the characters 32..159; text is drawn on the panel plane with additive blending.
#include <string_view>

#include "Textures.h"

namespace vortala {

class OutFont {
public:
    void Build(TextureHandle fontTexture);
    void Kill();
    // Draws text at (x, y) on the panel plane in the current colour; set 0 or 1 (higher is 1).
    void Print(std::string_view text, int set, float x, float y, float scale) const;

private:
    unsigned listBase_ = 0;
    TextureHandle texture_ = 0;
};

}  // namespace vortala
