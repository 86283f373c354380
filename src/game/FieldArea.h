#pragma once
// Where the 4:3 field sits in a client area of any shape: as large as fits, centred, with black
// bars on the other two sides. The drawing's viewport and the mouse mapping both follow it, so a
// maximised or full-screen window shows round coins and its clicks land where they are drawn.
#include <algorithm>
#include <cmath>

namespace vortala {

namespace zones {
// Width over height of the field; the window keeps it.
constexpr float kFieldAspect = 1.333f;
}  // namespace zones

// In client pixels from the top left.
struct FieldArea {
    int x = 0, y = 0, width = 1, height = 1;
};

inline FieldArea FitField(int clientWidth, int clientHeight) {
    const int w = std::max(clientWidth, 1), h = std::max(clientHeight, 1);
    FieldArea a;
    a.width = std::clamp(static_cast<int>(std::lround(static_cast<float>(h) * zones::kFieldAspect)), 1, w);
    a.height = std::clamp(static_cast<int>(std::lround(static_cast<float>(w) / zones::kFieldAspect)), 1, h);
    a.x = (w - a.width) / 2;
    a.y = (h - a.height) / 2;
    return a;
}

}  // namespace vortala
