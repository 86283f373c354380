#pragma once
// The options as their dialog holds them: the live store every other part reads. Names follow
// the dialog's controls so stored settings keep their keys.

namespace vortala {

struct Settings {
    bool autoStop = false;            // "Automatic stop for reels "
    int autoStopSeconds = 1;          // auto-stop delay, seconds 1..9
    int fortuneSpin = -1;             // fortune: winning deal, -100..100
    int fortuneRisk = -2;             // fortune: the double
    int fortuneBonus = -1;            // fortune: bonus games
    int paintIntervalMs = 30;         // paint interval in ms, 1..50
    bool offerNewGameOnExit = false;  // "On exit offer to play again"
    bool sounds = true;               // "Sounds"
    bool storeOptions = true;         // "Store options"
    bool transparentLines = true;     // "Transparent lines"
    bool storeWindowSize = false;     // "Store window size"
    bool bonusOncePerGame = false;    // "Play once bonus not accumulate "
};

}  // namespace vortala
