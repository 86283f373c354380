#include "KeyGuide.h"

namespace vortala {

// In the order a new player needs them: money in, stakes, play, then the help and the window.
const std::vector<KeyRow>& KeyTable() {
    static const std::vector<KeyRow> rows = {
        {"[Insert]", "insert 100 credits", "Insert", "100 credit"},
        {"[Space]", "lift (hold), start and stop the reels; throw the coin; spin the compass; shoot a barrel",
         "Space", "lift, start and stop the reels; throw the coin; spin the compass; shoot a barrel"},
        {"[1]-[9], keypad or number row", "bet +1 on line 1-9 (with [Alt]: -1)", "1-9",
         "bet +1 on a line (Alt: -1); keypad or number row"},
        {"[+] / [-], keypad, or [=] / [-]", "bet +1 / -1 on every line", "+ / -",
         "every line +1 / -1; keypad, or = and -"},
        {"[Page Up] / [Page Down]", "maximum / minimum stake", "PgUp / PgDn", "max / min stake"},
        {"[1]-[6], keypad or number row", "pick ship 1-6 in the free games, or chest 1-5", "1-6",
         "pick a ship or a chest"},
        {"[Left] / [Right] / [Down]", "risk game: red / black / take the win; barrels: move the target",
         "Left / Right / Down", "risk: red / black / take the win; barrels: aim"},
        {"[F1]", "the help page: pay table, rules and keys; pressed again: the player's manual", "F1",
         "this page; again: the manual"},
        {"[F2] / [F3] / [F4]", "options / about / statistics", "F2 / F3 / F4",
         "options / about / statistics"},
        {"[F5] (held)", "show all lines", "F5", "all lines (held)"},
        {"[F6]", "game recall: the last games played and the lifetime meters", "F6", "game recall"},
        {"[F10]", "maximise the window, or bring it back (also leaves full screen)", "F10", "maximise"},
        {"[F11]", "full screen, and back", "F11", "full screen"},
        {"[F12]", "keeps the statistics box open (any other key closes it)", "F12",
         "keep the statistics open"},
        // Escape closes the topmost thing first, so a player can always back out one step.
        {"[Escape]",
         "closes a dialog (as its Cancel, or Ok where there is none), else the help page; "
         "with nothing open, minimises the window",
         "Esc", "close a dialog or this page; else minimise"},
    };
    return rows;
}

const std::vector<MouseRow>& MouseTable() {
    static const std::vector<MouseRow> rows = {
        {"Coin slot (CREDIT plate)", "100 credit", ""},
        {"Stake rocker (TOTAL BET plate)", "every line +1", "every line -1"},
        {"The reels", "press and release: start, and again: stop", ""},
        {"Line markers, left of the reels", "hold to show that line", ""},
        {"ALL", "hold to show all lines", ""},
        {"Bet buttons, right of the reels", "that line +1", "that line -1"},
        {"MAX", "maximum stake", "minimum stake (1 on every line)"},
        {"? / statistics / options buttons (top right)", "help page / statistics box / options", ""},
        {"Minimise buttons (top left and top right)", "minimise", "-"},
        {"Maximise button", "maximise / back ([F10])", "-"},
        {"\u00d7 (exit)", "leave the game", "-"},
        {"Maker's plate (bottom right)", "options on the Gambling page", "-"},
    };
    return rows;
}

}  // namespace vortala
