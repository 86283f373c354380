#pragma once
// The options as their dialog holds them: the live store every other part reads. Names follow
// the dialog's controls so stored settings keep their keys.

namespace vortala {

struct Settings {
    bool CB1 = false;          // "Automatic stop for reels "
    int RzSpinEdit1 = 1;       // auto-stop delay, seconds 1..9
    int RzTrackBar1 = -1;      // fortune: winning deal, -100..100
    int RzTrackBar2 = -2;      // fortune: the double
    int RzTrackBar3 = -1;      // fortune: bonus games
    int RzTrackBar4 = 30;      // paint interval in ms, 1..50
    bool glCheckBox1 = false;  // "On exit offer to play again"
    bool glCheckBox3 = true;   // "Sounds"
    bool glCheckBox5 = true;   // "Store options"
    bool glCheckBox6 = true;   // "Transparent lines"
    bool CB2 = false;          // "Store window size"
    bool CBBon = false;        // "Play once bonus not accumulate "
};

}  // namespace vortala
