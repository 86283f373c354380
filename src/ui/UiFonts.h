#pragma once
// The dialogs' fonts: the system's DejaVu faces with Cyrillic (the built-in page is Russian),
// and ImGui's own font where they are missing.
#include <imgui.h>

namespace vortala {

class UiFonts {
public:
    // Adds the fonts to the current ImGui context's atlas, rasterised at scale times their size
    // (the layer draws them at 1 / scale, in pixels of that scale).
    static void Load(float scale);
    // The bill's labels: bold, 21 pixels; null when only ImGui's font is there.
    static ImFont* Label();
    // The about window's version line: serif italic, 18 pixels; null when only ImGui's font is there.
    static ImFont* Caption();
};

}  // namespace vortala
