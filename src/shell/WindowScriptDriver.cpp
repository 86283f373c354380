#include "WindowScriptDriver.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>

#include "ui/SimulatorFigures.h"

namespace vortala {

namespace {
// How long a script waits for frames to be drawn before it calls the game hung.
constexpr int kFrameLimitMs = 120000;
}  // namespace

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
    if (words[0] == "untilwindow") return UntilWindow(words, error);
    if (words[0] == "untilcentred") return UntilCentred(words, error);
    if (words[0] == "windowsize") return WindowSize(words);
    if (words[0] == "expectlabel") return ExpectLabel(words, error);
    return false;
}

bool WindowScriptDriver::Screenshot(const std::string& path, std::string& error) {
    window_.RequestScreenshot(path);
    // A frame, however long it takes on a machine shared with other work; the limit is for a hang.
    for (int waited = 0; window_.ScreenshotPending() && waited < kFrameLimitMs && !window_.Quit();
         waited += 10)
        window_.RunFor(10);
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
    for (int waited = 0; window_.FramesPainted() < frames && waited < kFrameLimitMs && !window_.Quit();
         waited += 10)
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

namespace {

// The window's state by name, as scripts name it.
std::string WindowState(SDL_Window* w) {
    const Uint32 flags = SDL_GetWindowFlags(w);
    if (flags & SDL_WINDOW_MINIMIZED || !(flags & SDL_WINDOW_SHOWN)) return "minimised";
    if (flags & SDL_WINDOW_HIDDEN) return "minimised";
    if (flags & (SDL_WINDOW_FULLSCREEN | SDL_WINDOW_FULLSCREEN_DESKTOP)) return "fullscreen";
    if (flags & SDL_WINDOW_MAXIMIZED) return "maximised";
    return "normal";
}

// Empty when the window and its frame lie in the screen's usable area, centred to within
// tolerance pixels each way; else where it is.
std::string Uncentred(SDL_Window* win, int tolerance) {
    SDL_Rect usable{};
    SDL_GetDisplayUsableBounds(std::max(SDL_GetWindowDisplayIndex(win), 0), &usable);
    int x = 0, y = 0, width = 0, height = 0, top = 0, left = 0, bottom = 0, right = 0;
    SDL_GetWindowPosition(win, &x, &y);
    SDL_GetWindowSize(win, &width, &height);
    SDL_GetWindowBordersSize(win, &top, &left, &bottom, &right);
    const int gapLeft = x - left - usable.x, gapTop = y - top - usable.y;
    const int gapRight = usable.x + usable.w - (x + width + right);
    const int gapBottom = usable.y + usable.h - (y + height + bottom);
    if (gapLeft >= 0 && gapTop >= 0 && gapRight >= 0 && gapBottom >= 0 &&
        std::abs(gapLeft - gapRight) <= 2 * tolerance && std::abs(gapTop - gapBottom) <= 2 * tolerance)
        return {};
    return "the window's frame is at " + std::to_string(x - left) + "," + std::to_string(y - top) + ", " +
           std::to_string(width + left + right) + " x " + std::to_string(height + top + bottom) +
           ", in a usable area at " + std::to_string(usable.x) + "," + std::to_string(usable.y) + ", " +
           std::to_string(usable.w) + " x " + std::to_string(usable.h);
}

}  // namespace

// Runs until what() returns empty, at most limitMs, then for two more drawn frames; error is the
// last thing it returned.
bool WindowScriptDriver::UntilWindowSays(const std::function<std::string()>& what, long limitMs,
                                         std::string& error) {
    for (long waited = 0; waited <= limitMs && !window_.Quit(); waited += 10) {
        error = what();
        if (error.empty()) {
            const long frames = window_.FramesPainted() + 2;
            for (long more = 0; window_.FramesPainted() < frames && more < limitMs; more += 10)
                window_.RunFor(10);
            return true;
        }
        window_.RunFor(10);
    }
    return false;
}

// untilwindow W H [MS] | untilwindow STATE [MS]: runs until the window's client size is W x H, or
// it is minimised, maximised, fullscreen or normal (resizes by the window manager or a key take
// their time), at most MS (60000).
bool WindowScriptDriver::UntilWindow(const std::vector<std::string>& w, std::string& error) {
    SDL_Window* win = window_.SdlWindow();
    const bool bySize = w.size() >= 3 && std::isdigit(static_cast<unsigned char>(w[1][0])) &&
                        std::isdigit(static_cast<unsigned char>(w[2][0]));
    const std::size_t limitAt = bySize ? 3 : 2;
    if (w.size() < 2 || w.size() > limitAt + 1) return false;
    const long limit = w.size() > limitAt ? std::atol(w[limitAt].c_str()) : 60000;
    if (!bySize)
        return UntilWindowSays(
            [&] {
                const std::string state = WindowState(win);
                return state == w[1] ? std::string() : "the window is " + state;
            },
            limit, error);
    const int width = std::atoi(w[1].c_str()), height = std::atoi(w[2].c_str());
    return UntilWindowSays(
        [&] {
            int now_w = 0, now_h = 0;
            SDL_GetWindowSize(win, &now_w, &now_h);
            return now_w == width && now_h == height
                       ? std::string()
                       : "the window is " + std::to_string(now_w) + " x " + std::to_string(now_h);
        },
        limit, error);
}

// untilcentred TOL [MS]: runs until the window with its frame lies in the screen's usable area,
// centred to within TOL pixels each way, at most MS (10000).
bool WindowScriptDriver::UntilCentred(const std::vector<std::string>& w, std::string& error) {
    if (w.size() != 2 && w.size() != 3) return false;
    const int tolerance = std::atoi(w[1].c_str());
    const long limit = w.size() == 3 ? std::atol(w[2].c_str()) : 10000;
    return UntilWindowSays([&] { return Uncentred(window_.SdlWindow(), tolerance); }, limit, error);
}

// windowsize W H: asks for a new client size, as the player dragging the frame or `xdotool
// windowsize` does (the window manager may answer later; follow with untilwindow).
bool WindowScriptDriver::WindowSize(const std::vector<std::string>& w) {
    if (w.size() != 3) return false;
    SDL_SetWindowSize(window_.SdlWindow(), std::atoi(w[1].c_str()), std::atoi(w[2].c_str()));
    window_.RunFor(10);
    return true;
}

// expectlabel BAR TEXT: the options dialog's value label of fortune bar 1..3 reads TEXT.
bool WindowScriptDriver::ExpectLabel(const std::vector<std::string>& w, std::string& error) {
    if (w.size() < 3 || !window_.Dialogs()) return false;
    const int bar = std::atoi(w[1].c_str());
    if (bar < 1 || bar > 3) return error = "bar 1 to 3", false;
    std::string text;
    for (std::size_t i = 2; i < w.size(); ++i) text += (i > 2 ? " " : "") + w[i];
    const std::string& shown = window_.Dialogs()->Options().ValueLabel(bar);
    if (shown != text) error = "the label reads \"" + shown + "\"";
    return error.empty();
}

}  // namespace vortala
