// The window, its event loop and the machine's platform services on SDL2.
#include "GameWindow.h"

#include <GL/gl.h>
#include <stb/stb_image_write.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>

#include "app/Persistence.h"
#include "platform/Shell.h"
#include "platform/UserFolders.h"
#include "ui/NetworkState.h"

namespace vortala {

namespace {

constexpr float kFieldAspect = 1.333f;
constexpr int kStartWidth = 800;  // the field's reference size; it scales with the window
std::atomic<Uint32> gOneShotEvent{0};

Uint32 OneShotFired(Uint32 /*interval*/, void* param) {
    SDL_Event e{};
    e.type = gOneShotEvent.load();
    e.user.code = static_cast<Sint32>(reinterpret_cast<std::intptr_t>(param));
    SDL_PushEvent(&e);
    return 0;  // one shot
}

// Windows virtual-key code of an SDL key, or -1 for keys the game ignores.
int VirtualKey(SDL_Keycode k) {
    if (k >= SDLK_a && k <= SDLK_z) return 'A' + (k - SDLK_a);
    if (k >= SDLK_0 && k <= SDLK_9) return '0' + (k - SDLK_0);
    if (k >= SDLK_F1 && k <= SDLK_F12) return vk::F1 + (k - SDLK_F1);
    if (k >= SDLK_KP_1 && k <= SDLK_KP_9) return vk::Numpad(1 + (k - SDLK_KP_1));
    switch (k) {
        case SDLK_SPACE:
            return vk::Space;
        case SDLK_PAGEUP:
            return vk::PageUp;
        case SDLK_PAGEDOWN:
            return vk::PageDown;
        case SDLK_LEFT:
            return vk::Left;
        case SDLK_RIGHT:
            return vk::Right;
        case SDLK_UP:
            return vk::Up;
        case SDLK_DOWN:
            return vk::Down;
        case SDLK_ESCAPE:
            return vk::Escape;
        case SDLK_INSERT:
            return vk::Insert;
        case SDLK_KP_PLUS:
            return vk::Add;
        case SDLK_KP_MINUS:
            return vk::Subtract;
        default:
            return -1;
    }
}

Shift Modifiers() {
    const SDL_Keymod m = SDL_GetModState();
    return {(m & KMOD_SHIFT) != 0, (m & KMOD_CTRL) != 0, (m & KMOD_ALT) != 0};
}

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
    SDL_DisplayMode mode{};
    bool displayOk = true;
    if (SDL_GetDesktopDisplayMode(0, &mode) == 0) {
        if (mode.h < 600) {
            ShowMessage("Change screen resolution.", "Required screen resolution: 800x600");
            displayOk = false;
        }
        if (SDL_BITSPERPIXEL(mode.format) < 15) {
            ShowMessage("Change color resolution.", "Required color resolution: High Color 65536.");
            displayOk = false;
        }
    }
    if (!displayOk) {
        CreateDialogs(nullptr);  // the log and the game number still record this start
        return false;
    }

    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MAJOR_VERSION, 2);
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_MINOR_VERSION, 1);
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 24);
    const int height = static_cast<int>(std::lround(kStartWidth / kFieldAspect));
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

    timerEvent_ = SDL_RegisterEvents(2);
    oneShotEvent_ = timerEvent_ + 1;
    gOneShotEvent = oneShotEvent_;
    for (int i = 0; i < kTimerCount; ++i) {
        const auto id = static_cast<TimerId>(i);
        timers_[i] = std::make_unique<AsyncTimer>(
            [this](AsyncTimer& t) {  // worker thread: hand the tick to the main thread
                SDL_Event e{};
                e.type = timerEvent_;
                e.user.data1 = &t;
                SDL_PushEvent(&e);
            },
            [this, id] {
                if (id == TimerId::Paint) {
                    paintRequested_ = true;  // painted once the queue is empty
                    ++paintTicks_;
                } else {
                    machine_->OnTimer(id);
                }
            });
        timers_[i]->SetInterval(static_cast<std::uint16_t>(DefaultInterval(id)));
    }
    hand_ = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_HAND);
    arrow_ = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW);
    sound_.Open();
    machine_ = std::make_unique<Machine>(*this);
    if (const auto size = StoredWindowSize(store_)) {
        // A stored size larger than this screen (another monitor, a damaged file) is fitted to it.
        SDL_Rect usable{0, 0, size->width, size->height};
        SDL_GetDisplayUsableBounds(SDL_GetWindowDisplayIndex(window_), &usable);
        const int width = std::min({size->width, usable.w, static_cast<int>(usable.h * kFieldAspect)});
        SDL_SetWindowSize(window_, width, std::min(size->height, usable.h));
        KeepAspect();
    }
    RestoreMoney(machine_->State(), store_);
    CreateDialogs(machine_.get());
    dialogs_->AttachWindow(window_, context_);
    SDL_StartTextInput();
    return true;
}

void GameWindow::CreateDialogs(Machine* machine) {
    GameDialogs::Services services{[this] { quit_ = true; },
                                   [this] {
                                       WindowSize size;
                                       if (window_) SDL_GetWindowSize(window_, &size.width, &size.height);
                                       return size;
                                   },
                                   [](std::string_view url) { vortala::OpenUrl(url); }, InternetConnected};
    dialogs_ = std::make_unique<GameDialogs>(store_, SaveFolder() + "stat.log", machine, std::move(services));
}

void GameWindow::SetTimerEnabled(TimerId timer, bool enabled) {
    timers_[static_cast<int>(timer)]->SetEnabled(enabled);
}

void GameWindow::SetTimerInterval(TimerId timer, int intervalMs) {
    timers_[static_cast<int>(timer)]->SetInterval(
        static_cast<std::uint16_t>(intervalMs < 1 ? 1 : intervalMs));
}

bool GameWindow::PhaseTimersIdle() const {
    for (int i = static_cast<int>(TimerId::LineShow); i < kTimerCount; ++i)
        if (timers_[i]->Enabled()) return false;
    return true;
}

void GameWindow::StartOneShot(OneShotTimer timer, int delayMs) {
    ++pendingOneShots_;
    const SDL_TimerID id = SDL_AddTimer(static_cast<Uint32>(delayMs < 1 ? 1 : delayMs), OneShotFired,
                                        reinterpret_cast<void*>(static_cast<std::intptr_t>(timer)));
    if (id) oneShotIds_.push_back(id);
}

void GameWindow::PlaySound(std::string_view name, bool loop) {
    sounds_.emplace_back(name);
    sound_.Play(name, loop);
}

std::vector<std::string> GameWindow::TakeSounds() {
    std::vector<std::string> out;
    out.swap(sounds_);
    return out;
}

std::uint32_t GameWindow::Entropy() {
    return static_cast<std::uint32_t>(SDL_GetPerformanceCounter());
}
void GameWindow::Minimise() {
    SDL_MinimizeWindow(window_);
}
void GameWindow::ToggleMaximise() {
    if (SDL_GetWindowFlags(window_) & SDL_WINDOW_MAXIMIZED)
        SDL_RestoreWindow(window_);
    else
        SDL_MaximizeWindow(window_);
}
void GameWindow::OpenUrl(std::string_view url) {
    vortala::OpenUrl(url);
}

void GameWindow::ShowDialog(Dialog dialog) {
    dialogs_->Show(dialog);
}

int GameWindow::StoredAutoStop() {
    return vortala::StoredAutoStop(store_);
}

void GameWindow::Deliver(const InputEvent& event) {
    machine_->Deliver(event);
    DrainSynthetic();
}

void GameWindow::DrainSynthetic() {
    while (!synthetic_.empty()) {
        const InputEvent e = synthetic_.front();
        synthetic_.pop_front();
        machine_->Deliver(e);
    }
}

void GameWindow::KeepAspect() {
    int w = 0, h = 0;
    SDL_GetWindowSize(window_, &w, &h);
    const int wanted = static_cast<int>(std::nearbyint(static_cast<float>(w) / kFieldAspect));
    if (wanted != h && !(SDL_GetWindowFlags(window_) & SDL_WINDOW_MAXIMIZED))
        SDL_SetWindowSize(window_, w, wanted);
    SDL_GL_GetDrawableSize(window_, &w, &h);
    SDL_GL_MakeCurrent(window_, context_);
    renderer_->Resize(w, h);
}

void GameWindow::HandleEvent(const SDL_Event& e) {
    Machine& m = *machine_;
    if (dialogs_->HandleEvent(e)) {  // a dialog is up: it has the keyboard and the mouse
        DrainSynthetic();
        return;
    }
    int w = 1, h = 1;
    SDL_GetWindowSize(window_, &w, &h);
    switch (e.type) {
        case SDL_QUIT:
            dialogs_->RequestClose();
            break;
        case SDL_WINDOWEVENT:
            if (e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) KeepAspect();
            break;
        case SDL_KEYDOWN:
        case SDL_KEYUP: {
            const int key = VirtualKey(e.key.keysym.sym);
            if (key < 0) break;
            if (e.type == SDL_KEYDOWN)
                m.FormKeyDown(key, Modifiers());
            else
                m.FormKeyUp(key, Modifiers());
            break;
        }
        case SDL_TEXTINPUT:
            for (const char* c = e.text.text; *c; ++c)
                if (static_cast<unsigned char>(*c) < 128) m.FormKeyPress(*c);
            break;
        case SDL_MOUSEBUTTONDOWN: {
            const FieldPoint p = Machine::MapToField(e.button.x, e.button.y, w, h);
            const MouseButton b =
                e.button.button == SDL_BUTTON_RIGHT ? MouseButton::Right : MouseButton::Left;
            m.FormMouseDown(b, Modifiers(), p.x, p.y);
            if (b == MouseButton::Left && e.button.clicks >= 2) m.FormClick();  // a double click clicks again
            break;
        }
        case SDL_MOUSEBUTTONUP: {
            const FieldPoint p = Machine::MapToField(e.button.x, e.button.y, w, h);
            const bool right = e.button.button == SDL_BUTTON_RIGHT;
            m.FormMouseUp(right ? MouseButton::Right : MouseButton::Left, Modifiers(), p.x, p.y);
            if (right)
                m.FormContextPopup();
            else if (e.button.clicks < 2)
                m.FormClick();
            break;
        }
        case SDL_MOUSEMOTION: {
            const FieldPoint p = Machine::MapToField(e.motion.x, e.motion.y, w, h);
            SDL_SetCursor(m.FormMouseMove(Modifiers(), p.x, p.y) == Cursor::Hand ? hand_ : arrow_);
            break;
        }
        default:
            if (e.type == timerEvent_) {
                static_cast<AsyncTimer*>(e.user.data1)->DeliverTick();
            } else if (e.type == oneShotEvent_) {
                --pendingOneShots_;
                m.OnOneShot(static_cast<OneShotTimer>(e.user.code));
            }
            break;
    }
    DrainSynthetic();
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

std::string GameWindow::StatsJson() const {
    std::vector<float> sorted = frameMs_;
    std::sort(sorted.begin(), sorted.end());
    const float median = sorted.empty() ? 0 : sorted[sorted.size() / 2];
    const float p95 = sorted.empty() ? 0 : sorted[sorted.size() * 95 / 100];
    long rssKb = 0;
    if (FILE* f = std::fopen("/proc/self/status", "r")) {
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

}  // namespace vortala
