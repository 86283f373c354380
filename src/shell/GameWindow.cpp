// The window, its start-up and its event loop on SDL2.
#include "GameWindow.h"

#include <algorithm>
#include <cmath>

#include "app/FieldZones.h"
#include "app/Persistence.h"
#include "platform/Shell.h"
#include "platform/UserFolders.h"
#include "ui/NetworkState.h"

namespace vortala {

namespace {
constexpr int kStartWidth = 800;  // the field's reference size; it scales with the window
}  // namespace

GameWindow::GameWindow() = default;

GameWindow::~GameWindow() {
    // The dialogs go first, in their own order, while the context and the game still exist.
    if (window_ && context_) SDL_GL_MakeCurrent(window_, context_);
    dialogs_.reset();
    for (auto& t : timers_) t.reset();  // joins the worker threads before anything they touch goes
    for (SDL_TimerID id : oneShotIds_) SDL_RemoveTimer(id);
    if (renderer_ && context_) {
        SDL_GL_MakeCurrent(window_, context_);
        renderer_->Destroy();
    }
    renderer_.reset();
    if (hand_) SDL_FreeCursor(hand_);
    if (arrow_) SDL_FreeCursor(arrow_);
    if (context_) SDL_GL_DeleteContext(context_);
    if (window_) SDL_DestroyWindow(window_);
    SDL_Quit();
}

bool GameWindow::Create() {
    createdAt_ = SDL_GetPerformanceCounter();
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER | SDL_INIT_EVENTS) != 0) {
        ShowMessage("Vortala", std::string("Cannot start the display: ") + SDL_GetError());
        return false;
    }
    if (!DisplayFits()) {
        CreateDialogs(nullptr);  // the log and the game number still record this start
        return false;
    }
    if (!OpenWindow()) return false;
    CreateRenderer();
    CreateTimers();
    hand_ = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_HAND);
    arrow_ = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW);
    sound_.Open();
    machine_ = std::make_unique<Machine>(*this);
    RestoreWindowSize();
    RestoreMoney(machine_->State(), store_);
    CreateDialogs(machine_.get());
    dialogs_->AttachWindow(window_, context_);
    SDL_StartTextInput();
    return true;
}

// The screen must show the field at its reference height, in more than 256 colours.
bool GameWindow::DisplayFits() {
    SDL_DisplayMode mode{};
    if (SDL_GetDesktopDisplayMode(0, &mode) != 0) return true;
    bool fits = true;
    if (mode.h < 600) {
        ShowMessage("Change screen resolution.", "Required screen resolution: 800x600");
        fits = false;
    }
    if (SDL_BITSPERPIXEL(mode.format) < 15) {
        ShowMessage("Change color resolution.", "Required color resolution: High Color 65536.");
        fits = false;
    }
    return fits;
}

bool GameWindow::OpenWindow() {
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 2);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 1);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
    const int height = static_cast<int>(std::lround(kStartWidth / zones::kFieldAspect));
    window_ = SDL_CreateWindow("Vortala v.3.08", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, kStartWidth,
                               height, SDL_WINDOW_OPENGL | SDL_WINDOW_RESIZABLE);
    if (!window_) {
        ShowMessage("Vortala", std::string("Cannot open the window: ") + SDL_GetError());
        return false;
    }
    SDL_SetWindowMinimumSize(window_, 320, 240);
    context_ = SDL_GL_CreateContext(window_);
    if (!context_) {
        ShowMessage("Vortala", std::string("Cannot create the OpenGL context: ") + SDL_GetError());
        return false;
    }
    SDL_GL_SetSwapInterval(0);  // the paint timer paces the frames; may fail without vsync, harmless
    return true;
}

void GameWindow::CreateRenderer() {
    renderer_ = std::make_unique<GlRenderer>([this] { return SDL_GL_MakeCurrent(window_, context_) == 0; },
                                             [this] {
                                                 if (dialogs_) dialogs_->Render();
                                                 if (!screenshotPath_.empty()) WriteScreenshot();
                                                 SDL_GL_SwapWindow(window_);
                                             });
    renderer_->Create();
    int w = 0, h = 0;
    SDL_GL_GetDrawableSize(window_, &w, &h);
    renderer_->Resize(w, h);
}

void GameWindow::RestoreWindowSize() {
    const auto size = StoredWindowSize(store_);
    if (!size) return;
    // A stored size larger than this screen (another monitor, a damaged file) is fitted to it.
    SDL_Rect usable{0, 0, size->width, size->height};
    SDL_GetDisplayUsableBounds(SDL_GetWindowDisplayIndex(window_), &usable);
    const int width = std::min({size->width, usable.w, static_cast<int>(usable.h * zones::kFieldAspect)});
    SDL_SetWindowSize(window_, width, std::min(size->height, usable.h));
    KeepAspect();
}

void GameWindow::CreateDialogs(Machine* machine) {
    GameDialogs::Services services{[this] { quit_ = true; },
                                   [this] {
                                       WindowSize size;
                                       if (window_) SDL_GetWindowSize(window_, &size.width, &size.height);
                                       return size;
                                   },
                                   [](std::string_view url) { vortala::OpenUrl(url); }, InternetConnected};
    dialogs_ = std::make_unique<GameDialogs>(store_, SaveFolder() + "stat.log", SaveFolder() + "games.jsonl",
                                             machine, std::move(services));
}

void GameWindow::Paint() {
    paintRequested_ = false;
    const std::uint64_t start = SDL_GetPerformanceCounter();
    machine_->PaintFrame(renderer_.get());
    const double freq = static_cast<double>(SDL_GetPerformanceFrequency());
    const std::uint64_t end = SDL_GetPerformanceCounter();
    if (firstFrameMs_ < 0) firstFrameMs_ = 1000.0 * static_cast<double>(end - createdAt_) / freq;
    if (frameMs_.size() < 100000)
        frameMs_.push_back(static_cast<float>(1000.0 * static_cast<double>(end - start) / freq));
    ++framesPainted_;
    DrainSynthetic();
}

void GameWindow::RunFor(std::uint32_t ms) {
    const Uint32 until = SDL_GetTicks() + ms;
    do {
        SDL_Event e;
        const Uint32 now = SDL_GetTicks();
        const int wait = static_cast<int>(until > now ? std::min<Uint32>(until - now, 5) : 0);
        if (SDL_WaitEventTimeout(&e, wait)) {
            HandleEvent(e);
            while (SDL_PollEvent(&e)) HandleEvent(e);
        }
        if (paintRequested_) Paint();
    } while (!quit_ && !SDL_TICKS_PASSED(SDL_GetTicks(), until));
}

void GameWindow::Run() {
    while (!quit_) RunFor(1000);
}

}  // namespace vortala
