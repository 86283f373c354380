// The window, its start-up and its event loop on SDL2.
#include "GameWindow.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "VideoDrivers.h"
#include "WindowIcon.h"
#include "app/Persistence.h"
#include "game/FieldZones.h"
#include "platform/AtomicFile.h"
#include "platform/EndSignals.h"
#include "platform/Shell.h"
#include "platform/UserFolders.h"
#include "ui/NetworkState.h"
#include "version/Version.h"

namespace vortala {

namespace {
constexpr int kStartWidth = 800;  // the field's reference size; it scales with the window
constexpr const char* kNoDisplay =
    "no display: run it from a desktop session, or under xvfb-run; `make run` does this for you";
}  // namespace

GameWindow::GameWindow() = default;

GameWindow::~GameWindow() {
    // The dialogs go first, in their own order, while the context and the game still exist.
    if (window_ && context_) SDL_GL_MakeCurrent(window_, context_);
    dialogs_.reset();
    records_.reset();                   // closes the session while the window can still give its size
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
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");  // the end signals are ours (EndSignals.h)
    const bool driverChosen = !ChooseVideoDrivers();
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER | SDL_INIT_EVENTS) != 0) {
        if (!driverChosen) return std::fprintf(stderr, "%s\n", kNoDisplay), false;
        ShowStartMessage("Vortala", std::string("Cannot start the display: ") + SDL_GetError());
        return false;
    }
    if (!TakeInstanceLock()) return false;
    store_ = std::make_unique<SettingsStore>(SettingsStore::DefaultPath());
    if (!DisplayFits()) {
        CreateRecordsAndDialogs(nullptr);  // the log and the game number still record this start
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
    machine_->RestoreStores(ReadStores(*store_, machine_->State()));
    CreateRecordsAndDialogs(machine_.get());
    dialogs_->AttachWindow(window_, context_);
    SDL_StartTextInput();
    return true;
}

// One copy per user; with it held, a temporary file beside a stored one can only be left from a
// save that was killed, and the settings are read only now, after any other copy has saved.
bool GameWindow::TakeInstanceLock() {
    lock_ = std::make_unique<InstanceLock>(SaveFolder() + "vortala.lock");
    if (lock_->state() == InstanceLock::State::HeldElsewhere) {
        ShowStartMessage("Vortala", "Vortala is already running");
        return false;
    }
    if (lock_->state() == InstanceLock::State::Unavailable) {
        // Without the lock a second copy could start beside this one and close its log block.
        const std::string& obstacle = lock_->obstacle();
        // The box does not wrap its text: one short line each.
        ShowStartMessage("Vortala",
                         "Vortala cannot make sure that no other copy of it runs:\nits lock file " +
                             SaveFolder() + "vortala.lock " + lock_->problem() + ".\n" +
                             (obstacle.empty() ? "Make that folder writable,"
                                               : "Remove " + obstacle + " if no copy of Vortala runs,") +
                             "\nthen start Vortala again.");
        return false;
    }
    const std::string log = SaveFolder() + "stat.log";
    for (const std::string& path :
         {SettingsStore::DefaultPath(), log, LogBook::SessionRecordPath(log), SaveFolder() + "games.jsonl"})
        RemoveStaleTemporaries(path);
    return true;
}

// The screen must show the field at its reference height, in more than 256 colours.
bool GameWindow::DisplayFits() {
    SDL_DisplayMode mode{};
    if (SDL_GetDesktopDisplayMode(0, &mode) != 0) return true;
    bool fits = true;
    if (mode.h < 600) {
        ShowStartMessage("Change screen resolution.", "Required screen resolution: 800x600");
        fits = false;
    }
    if (SDL_BITSPERPIXEL(mode.format) < 15) {
        ShowStartMessage("Change color resolution.", "Required color resolution: High Color 65536.");
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
    const std::string title = "Vortala v." + std::string(kVersion);
    window_ = SDL_CreateWindow(title.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, kStartWidth,
                               height, SDL_WINDOW_OPENGL | SDL_WINDOW_RESIZABLE | SDL_WINDOW_ALLOW_HIGHDPI);
    if (!window_) {
        ShowStartMessage("Vortala", std::string("Cannot open the window: ") + SDL_GetError());
        return false;
    }
    SDL_SetWindowMinimumSize(window_, 320, 240);
    ApplyWindowIcon(window_);
    context_ = SDL_GL_CreateContext(window_);
    if (!context_) {
        ShowMessage("Vortala", std::string("Cannot create the OpenGL context: ") + SDL_GetError());
        return false;
    }
    SDL_GL_SetSwapInterval(0);  // the paint timer paces the frames; may fail without vsync, harmless
    return true;
}

void GameWindow::CreateRenderer() {
    renderer_ =
        std::make_unique<GlRenderer>([this] { return SDL_GL_MakeCurrent(window_, context_) == 0; },
                                     [this] {
                                         if (dialogs_) dialogs_->Render();
                                         if (!screenshotPath_.empty()) WriteScreenshot();
                                         SDL_GL_SwapWindow(window_);
                                     },
                                     [this] { return machine_ && machine_->Options().transparentLines; });
    renderer_->Create();
    int w = 0, h = 0;
    SDL_GL_GetDrawableSize(window_, &w, &h);
    renderer_->Resize(w, h);
}

void GameWindow::RestoreWindowSize() {
    auto size = StoredWindowSize(*store_);
    if (!size) return;
    // The stored size is the outer one where the system reports the frame.
    int top = 0, left = 0, bottom = 0, right = 0;
    if (SDL_GetWindowBordersSize(window_, &top, &left, &bottom, &right) == 0) {
        size->width = std::max(size->width - left - right, 1);
        size->height = std::max(size->height - top - bottom, 1);
    }
    // A stored size larger than this screen (another monitor, a damaged file) is fitted to it;
    // otherwise the window keeps the size it was given, whatever its shape.
    SDL_Rect usable{0, 0, size->width, size->height};
    SDL_GetDisplayUsableBounds(SDL_GetWindowDisplayIndex(window_), &usable);
    SDL_SetWindowSize(window_, std::min(size->width, usable.w), std::min(size->height, usable.h));
    FitFieldToWindow();
    CentreWindow();
}

// Centred in the screen's usable area with the whole frame in it, title bar included; a window
// larger than that area keeps its top left corner in it.
void GameWindow::CentreWindow() {
    const int display = std::max(SDL_GetWindowDisplayIndex(window_), 0);
    SDL_Rect usable{};
    if (SDL_GetDisplayUsableBounds(display, &usable) != 0) {
        SDL_SetWindowPosition(window_, SDL_WINDOWPOS_CENTERED_DISPLAY(display),
                              SDL_WINDOWPOS_CENTERED_DISPLAY(display));
        return;
    }
    int w = 0, h = 0, top = 0, left = 0, bottom = 0, right = 0;
    SDL_GetWindowSize(window_, &w, &h);
    SDL_GetWindowBordersSize(window_, &top, &left, &bottom, &right);  // zeros where unknown
    const int outerW = w + left + right, outerH = h + top + bottom;
    const int x = usable.x + std::max((usable.w - outerW) / 2, 0) + left;
    const int y = usable.y + std::max((usable.h - outerH) / 2, 0) + top;
    SDL_SetWindowPosition(window_, x, y);
}

WindowSize GameWindow::OuterSize() const {
    WindowSize size;
    if (!window_) return size;
    SDL_GetWindowSize(window_, &size.width, &size.height);
    int top = 0, left = 0, bottom = 0, right = 0;
    if (SDL_GetWindowBordersSize(window_, &top, &left, &bottom, &right) == 0) {
        size.width += left + right;
        size.height += top + bottom;
    }
    return size;
}

void GameWindow::CreateRecordsAndDialogs(Machine* machine) {
    records_ =
        std::make_unique<SessionRecords>(*store_, SaveFolder() + "stat.log", SaveFolder() + "games.jsonl",
                                         machine, [this] { return OuterSize(); });
    GameDialogs::Services services{[this] { quit_ = true; },
                                   [](std::string_view url) { vortala::OpenUrl(url); }, InternetConnected,
                                   [this](int spin, int bonus) { return simulator_.Ask(spin, bonus); }};
    dialogs_ = std::make_unique<GameDialogs>(*records_, machine, std::move(services));
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
    while (!quit_) {
        if (EndSignalReceived()) {  // polled: the wait below never exceeds 5 ms
            dialogs_->CloseWithoutWaiting();
            return;
        }
        SDL_Event e;
        const Uint32 now = SDL_GetTicks();
        const int wait = static_cast<int>(until > now ? std::min<Uint32>(until - now, 5) : 0);
        if (SDL_WaitEventTimeout(&e, wait)) {
            HandleEvent(e);
            while (SDL_PollEvent(&e)) HandleEvent(e);
        }
        if (paintRequested_) Paint();
        if (SDL_TICKS_PASSED(SDL_GetTicks(), until)) return;
    }
}

void GameWindow::Run() {
    while (!quit_) RunFor(1000);
}

}  // namespace vortala
