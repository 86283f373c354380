#pragma once
// What the player can read about the keys and the mouse, in one place. The README, the player's
// manual, the manual page, --help and the help page are all made from these tables (`make keys`
// writes them, the test docs.keys fails when one differs), so a key documented here is documented
// everywhere and nowhere else.
#include <string>
#include <string_view>
#include <vector>

namespace vortala {

struct KeyRow {
    // The keys, each key cap in brackets: "[Page Up] / [Page Down]"; text outside the brackets is
    // said as it stands ("keypad or number row").
    std::string_view keys;
    std::string_view action;
    // The help page's shorter wording; its own key caps, plain.
    std::string_view cardKeys;
    std::string_view cardAction;
};

// One mouse zone, numbered as on the manual's picture of the field.
struct MouseRow {
    std::string_view zone;
    std::string_view leftClick;
    std::string_view rightClick;  // empty: the same as the left click, or nothing at all for "-"
};

const std::vector<KeyRow>& KeyTable();
const std::vector<MouseRow>& MouseTable();

// The tables as each document writes them. Every text ends with a newline.
std::string KeysAsMarkdown();  // README: a key table and a mouse table
std::string KeysAsHtml();      // the player's manual: rows of its key table
std::string MouseAsHtml();     // the player's manual: rows of its mouse table
std::string KeysAsManPage();   // the KEYS and MOUSE sections of vortala(6)
std::string KeysAsHelp();      // --help: "  KEYS   ACTION", wrapped to 80 columns
std::string KeysAsCard();      // the help page: "KEYS<TAB>ACTION" lines for tools/art

}  // namespace vortala
