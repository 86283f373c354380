#include "WindowScriptDriver.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>

#include "ui/SimulatorFigures.h"

namespace vortala {

bool WindowScriptDriver::Settle(std::uint32_t limitMs) {
    for (std::uint32_t waited = 0; waited <= limitMs && !window_.Quit(); waited += 10) {
        if (window_.machine().Idle() && window_.PhaseTimersIdle() && !window_.OneShotsPending() &&
            !window_.InputPending())
            return true;
        window_.RunFor(10);
    }
    return false;
}

bool WindowScriptDriver::Extra(const std::vector<std::string>& words, std::string& error) {
    if (words[0] == "expectregion") return ExpectRegion(words, error);
    if (words[0] == "sdlkey" || words[0] == "sdlclick" || words[0] == "close")
        return PushEvents(words, error);
    if (words[0] == "expectdialog" && words.size() == 2) return ExpectDialog(words[1], error);
    if (words[0] == "stats" && words.size() == 1) return std::cout << window_.StatsJson() << std::endl, true;
    if (words[0] == "screenshot" && words.size() == 2) return Screenshot(words[1], error);
    return false;
}

bool WindowScriptDriver::Screenshot(const std::string& path, std::string& error) {
    window_.RequestScreenshot(path);
    for (int waited = 0; window_.ScreenshotPending() && waited < 3000; waited += 10) window_.RunFor(10);
    if (window_.ScreenshotPending()) error = "no frame was drawn for the screenshot";
    if (error.empty()) WriteFigures(path);
    return error.empty();
}

// Over the recall window, beside NAME.png, NAME.figures: the simulator's figures the window shows,
// which the build computes. The docs' screenshots keep theirs, so a test can tell when the build no
// longer shows what they do. (The field's money is left out: under real timers it depends on the
// speed of the build that plays the script.)
void WindowScriptDriver::WriteFigures(const std::string& png) const {
    const std::size_t dot = png.rfind(".png");
    const ModalDialog* top = window_.Dialogs() ? window_.Dialogs()->Stack().Top() : nullptr;
    if (dot == std::string::npos || dot + 4 != png.size() || !top || top->Name() != "GameRecall") return;
    std::ofstream out(png.substr(0, dot) + ".figures", std::ios::trunc);
    const GameState& g = window_.machine().State();
    // The table a sanitized build leaves out says "unavailable"; the test works those out itself.
    out << "Simulator " << g.FortuneSpin << ",0," << g.FortuneBonus;
    const SimulatorFigure* sim = FindSimulatorFigure(g.FortuneSpin, 0, g.FortuneBonus);
    if (!sim) {
        out << " unavailable\n";
        return;
    }
    char text[96];
    std::snprintf(text, sizeof text, " %lld %.2f %.2f %.2f %.2f\n", sim->games, sim->rtp * 100,
                  sim->rtpLow * 100, sim->rtpHigh * 100, sim->hitFrequency * 100);
    out << text;
}

// Events through the window's real queue, as a player's would arrive; then 150 ms of play and
// at least three frames.
bool WindowScriptDriver::PushEvents(const std::vector<std::string>& w, std::string& error) {
    auto flag = [&w](const char* name) { return std::find(w.begin() + 1, w.end(), name) != w.end(); };
    SDL_Event e{};
    if (w[0] == "close") {
        e.type = SDL_QUIT;
        SDL_PushEvent(&e);
    } else if (w[0] == "sdlkey" && w.size() >= 2) {
        const SDL_Keycode key = SDL_GetKeyFromName(w[1].c_str());
        if (key == SDLK_UNKNOWN) return error = "unknown key " + w[1], false;
        const int mod = (flag("ctrl") ? KMOD_LCTRL : 0) | (flag("shift") ? KMOD_LSHIFT : 0) |
                        (flag("alt") ? KMOD_LALT : 0);
        SDL_SetModState(static_cast<SDL_Keymod>(mod));
        for (Uint32 type : {SDL_KEYDOWN, SDL_KEYUP}) {
            e = SDL_Event{};
            e.type = type;
            e.key.windowID = window_.WindowId();
            e.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
            e.key.keysym.sym = key;
            e.key.keysym.scancode = SDL_GetScancodeFromKey(key);
            e.key.keysym.mod = static_cast<Uint16>(mod);
            SDL_PushEvent(&e);
        }
    } else if (w[0] == "sdlclick" && w.size() >= 3) {
        const int x = std::atoi(w[1].c_str()), y = std::atoi(w[2].c_str());
        e.type = SDL_MOUSEMOTION;
        e.motion.windowID = window_.WindowId();
        e.motion.x = x, e.motion.y = y;
        SDL_PushEvent(&e);
        // The pointer rests there for a frame first, as a hand's would: a dialog's tabs take a
        // click only from a pointer that already hovered them.
        window_.RunFor(60);
        for (Uint32 type : {SDL_MOUSEBUTTONDOWN, SDL_MOUSEBUTTONUP}) {
            e = SDL_Event{};
            e.type = type;
            e.button.windowID = window_.WindowId();
            e.button.button = flag("right") ? SDL_BUTTON_RIGHT : SDL_BUTTON_LEFT;
            e.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
            e.button.clicks = 1;
            e.button.x = x, e.button.y = y;
            SDL_PushEvent(&e);
        }
    } else {
        return false;
    }
    // The dialogs see a click over two drawn frames (press, release) and act on the next, so on a
    // busy machine, where 150 ms may hold no frame at all, the frames are waited for too.
    const long frames = window_.FramesPainted() + 3;
    window_.RunFor(150);
    for (int waited = 0; window_.FramesPainted() < frames && waited < 10000 && !window_.Quit(); waited += 10)
        window_.RunFor(10);
    SDL_SetModState(KMOD_NONE);
    return true;
}

// expectdialog NAME: the topmost dialog's form name, or "none".
bool WindowScriptDriver::ExpectDialog(const std::string& name, std::string& error) {
    const ModalDialog* top = window_.Dialogs() ? window_.Dialogs()->Stack().Top() : nullptr;
    const std::string shown = top ? std::string(top->Name()) : "none";
    if (shown != name) error = "the dialog up is " + shown;
    return error.empty();
}

// expectregion X0 Y0 X1 Y1 R G B TOL: the mean colour of a region of the last screenshot, in
// field percent (0..100, origin bottom left), is within TOL of R G B on every channel.
bool WindowScriptDriver::ExpectRegion(const std::vector<std::string>& w, std::string& error) {
    if (w.size() != 9) return false;
    double v[8];
    for (int i = 0; i < 8; ++i) v[i] = std::atof(w[i + 1].c_str());
    int width = 0, height = 0;
    const auto& shot = window_.LastShot(width, height);
    if (shot.empty()) return error = "no screenshot taken yet", false;
    const int x0 = static_cast<int>(v[0] / 100 * width), x1 = static_cast<int>(v[2] / 100 * width);
    const int y0 = static_cast<int>((1 - v[3] / 100) * height),
              y1 = static_cast<int>((1 - v[1] / 100) * height);
    double sum[3] = {0, 0, 0};
    long count = 0;
    for (int y = std::max(0, y0); y < std::min(height, y1); ++y)
        for (int x = std::max(0, x0); x < std::min(width, x1); ++x, ++count)
            for (int c = 0; c < 3; ++c) sum[c] += shot[(static_cast<std::size_t>(y) * width + x) * 3 + c];
    if (count == 0) return error = "empty region", false;
    for (int c = 0; c < 3; ++c) {
        const double mean = sum[c] / static_cast<double>(count);
        if (std::abs(mean - v[4 + c]) > v[7]) {
            const double n = static_cast<double>(count);
            error = "region mean colour is " + std::to_string(static_cast<int>(sum[0] / n)) + " " +
                    std::to_string(static_cast<int>(sum[1] / n)) + " " +
                    std::to_string(static_cast<int>(sum[2] / n));
            return false;
        }
    }
    return true;
}

}  // namespace vortala
