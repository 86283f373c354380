// The window's events: keys, text and the mouse reach the machine as its own input, the timers'
// ticks as timer calls; a dialog that is up takes them all first.
#include <cmath>

#include "GameWindow.h"
#include "game/FieldZones.h"

namespace vortala {

namespace {

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
        case SDLK_EQUALS:
        case SDLK_PLUS:
            return vk::RowPlus;
        case SDLK_MINUS:
            return vk::RowMinus;
        default:
            return -1;
    }
}

Shift Modifiers() {
    const SDL_Keymod m = SDL_GetModState();
    return {(m & KMOD_SHIFT) != 0, (m & KMOD_CTRL) != 0, (m & KMOD_ALT) != 0};
}

}  // namespace

void GameWindow::HandleEvent(const SDL_Event& e) {
    if (dialogs_->HandleEvent(e)) {  // a dialog is up: it has the keyboard and the mouse
        DrainSynthetic();
        return;
    }
    switch (e.type) {
        case SDL_QUIT:
            dialogs_->RequestClose();
            break;
        case SDL_WINDOWEVENT:
            HandleWindowEvent(e.window);
            break;
        case SDL_KEYDOWN:
        case SDL_KEYUP:
        case SDL_TEXTINPUT:
            HandleKey(e);
            break;
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP:
        case SDL_MOUSEMOTION:
            HandleMouse(e);
            break;
        default:
            if (e.type == timerEvent_) {
                static_cast<AsyncTimer*>(e.user.data1)->DeliverTick();
            } else if (e.type == oneShotEvent_) {
                --pendingOneShots_;
                machine_->OnOneShot(static_cast<OneShotTimer>(e.user.code));
            } else if (e.type == noticeEvent_) {
                TellNoBrowser();
            }
            break;
    }
    DrainSynthetic();
}

void GameWindow::HandleKey(const SDL_Event& e) {
    InputEvent in;
    if (e.type == SDL_TEXTINPUT) {
        in.kind = InputEvent::Kind::Char;
        for (const char* c = e.text.text; *c; ++c) {
            if (static_cast<unsigned char>(*c) >= 128) continue;
            in.key = *c;
            machine_->Deliver(in);
        }
        return;
    }
    in.key = VirtualKey(e.key.keysym.sym);
    if (in.key < 0) return;
    in.kind = e.type == SDL_KEYDOWN ? InputEvent::Kind::KeyDown : InputEvent::Kind::KeyUp;
    in.shift = Modifiers();
    machine_->Deliver(in);
}

void GameWindow::HandleMouse(const SDL_Event& e) {
    Machine& m = *machine_;
    int w = 1, h = 1;
    SDL_GetWindowSize(window_, &w, &h);
    if (e.type == SDL_MOUSEMOTION) {
        // Hovering only moves the barrel target and the cursor: no game can end on it.
        const FieldPoint p = Machine::MapToField(e.motion.x, e.motion.y, w, h);
        SDL_SetCursor(m.FormMouseMove(Modifiers(), p.x, p.y) == Cursor::Hand ? hand_ : arrow_);
        return;
    }
    const FieldPoint p = Machine::MapToField(e.button.x, e.button.y, w, h);
    const bool right = e.button.button == SDL_BUTTON_RIGHT;
    InputEvent in;
    in.shift = Modifiers();
    in.button = right ? MouseButton::Right : MouseButton::Left;
    in.x = p.x, in.y = p.y;
    auto deliver = [&](InputEvent::Kind kind) {
        in.kind = kind;
        m.Deliver(in);
    };
    if (e.type == SDL_MOUSEBUTTONDOWN) {
        deliver(InputEvent::Kind::MouseDown);
        if (!right && e.button.clicks >= 2) deliver(InputEvent::Kind::Click);  // a double click clicks again
        return;
    }
    deliver(InputEvent::Kind::MouseUp);
    if (right)
        deliver(InputEvent::Kind::ContextPopup);
    else if (e.button.clicks < 2)
        deliver(InputEvent::Kind::Click);
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

// A window the player or the manager sizes keeps the size asked for; the field keeps its shape
// inside it, with bars on the other sides (the renderer and the mouse mapping both fit it in).
void GameWindow::FitFieldToWindow() {
    int w = 0, h = 0;
    SDL_GL_GetDrawableSize(window_, &w, &h);
    SDL_GL_MakeCurrent(window_, context_);
    renderer_->Resize(w, h);
}

void GameWindow::HandleWindowEvent(const SDL_WindowEvent& e) {
    const Uint32 enlarged = SDL_WINDOW_MAXIMIZED | SDL_WINDOW_FULLSCREEN | SDL_WINDOW_FULLSCREEN_DESKTOP;
    switch (e.event) {
        case SDL_WINDOWEVENT_SIZE_CHANGED:
            FitFieldToWindow();
            // The manager hands the restored size over after the restore itself: centre again then.
            if (recentre_ && !(SDL_GetWindowFlags(window_) & enlarged)) {
                recentre_ = false;
                CentreWindow();
            }
            break;
        case SDL_WINDOWEVENT_MAXIMIZED:
            maximised_ = true;
            break;
        case SDL_WINDOWEVENT_RESTORED:
            // Back from maximised by any route (F10, the manager's button); a window brought back
            // from the task bar stays where the player left it.
            if (maximised_ && !(SDL_GetWindowFlags(window_) & enlarged)) {
                maximised_ = false;
                recentre_ = true;
                CentreWindow();
            }
            break;
        default:
            break;
    }
}

}  // namespace vortala
