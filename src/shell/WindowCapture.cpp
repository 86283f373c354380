// What the window shows of itself: screenshots of the drawn frame and its measured figures.
#include <GL/gl.h>
#include <stb/stb_image_write.h>

#include <algorithm>
#include <cstdio>

#include "GameWindow.h"

namespace vortala {

void GameWindow::WriteScreenshot() {
    int w = 0, h = 0;
    SDL_GL_GetDrawableSize(window_, &w, &h);
    std::vector<unsigned char> pixels(static_cast<std::size_t>(w) * h * 3);
    glReadBuffer(GL_BACK);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, w, h, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
    // GL rows start at the bottom; pictures start at the top.
    shot_.resize(pixels.size());
    const std::size_t row = static_cast<std::size_t>(w) * 3;
    for (int y = 0; y < h; ++y) std::copy_n(&pixels[(h - 1 - y) * row], row, &shot_[y * row]);
    shotWidth_ = w, shotHeight_ = h;
    if (!stbi_write_png(screenshotPath_.c_str(), w, h, 3, shot_.data(), static_cast<int>(row)))
        std::fprintf(stderr, "could not write %s\n", screenshotPath_.c_str());
    screenshotPath_.clear();
}

std::string GameWindow::StatsJson() const {
    std::vector<float> sorted = frameMs_;
    std::sort(sorted.begin(), sorted.end());
    const float median = sorted.empty() ? 0 : sorted[sorted.size() / 2];
    const float p95 = sorted.empty() ? 0 : sorted[sorted.size() * 95 / 100];
    long rssKb = 0;
    if (FILE* f = std::fopen("/proc/self/status", "re")) {
        char line[256];
        while (std::fgets(line, sizeof line, f))
            if (std::sscanf(line, "VmRSS: %ld kB", &rssKb) == 1) break;
        std::fclose(f);
    }
    char out[512];
    std::snprintf(out, sizeof out,
                  "{\"startupToFirstFrameMs\":%.1f,\"frames\":%ld,\"paintTicks\":%ld,\"medianFrameMs\":%.2f,"
                  "\"p95FrameMs\":%.2f,\"residentMB\":%.1f}",
                  firstFrameMs_, framesPainted_, paintTicks_, median, p95,
                  static_cast<double>(rssKb) / 1024.0);
    return out;
}
}  // namespace vortala
