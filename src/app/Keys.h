#pragma once
// Virtual-key codes and input events as the machine's handlers take them.
#include <cstdint>

namespace vortala {

// The codes of the keyboard the game was laid out for; letters and digits are their characters.
namespace vk {
enum Code : int {
    Escape = 27,
    Space = 32,
    PageUp = 33,
    PageDown = 34,
    Left = 37,
    Up = 38,
    Right = 39,
    Down = 40,
    Insert = 45,
    Numpad1 = 97,
    Numpad9 = 105,
    Add = 107,
    Subtract = 109,
    F1 = 112,
    F2 = 113,
    F3 = 114,
    F4 = 115,
    F5 = 116,
    F6 = 117,
    F10 = 121,
    F11 = 122,
    F12 = 123,
    // The main keyboard's "=/+" and "-" keys; its digits are their characters '0'..'9'.
    RowPlus = 187,
    RowMinus = 189,
};
constexpr int Numpad(int n) {
    return Numpad1 + n - 1;
}  // n = 1..9
// A keyboard without a keypad: the number row's 1-9, "=/+" and "-" act as keypad 1-9, plus and
// minus. Every other key is itself.
constexpr int AsKeypad(int key) {
    if (key >= '1' && key <= '9') return Numpad(key - '0');
    if (key == RowPlus) return Add;
    if (key == RowMinus) return Subtract;
    return key;
}
}  // namespace vk

// Modifier state held with a key or mouse event.
struct Shift {
    bool shift = false;
    bool ctrl = false;
    bool alt = false;
};

enum class MouseButton : std::uint8_t { Left, Right, Middle };

// One queued input event, as the platform's queue delivers it to the machine.
struct InputEvent {
    enum class Kind : std::uint8_t {
        KeyDown,
        KeyUp,
        Char,
        MouseDown,
        MouseUp,
        Click,
        ContextPopup,
        MouseMove
    };
    Kind kind = Kind::KeyDown;
    int key = 0;  // virtual key, or the character for Char
    Shift shift;
    MouseButton button = MouseButton::Left;
    int x = 0, y = 0;  // field coordinates for mouse events
};

enum class Cursor : std::uint8_t { Arrow, Hand };

}  // namespace vortala
