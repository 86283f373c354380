#pragma once
// SaveFailures: how the player learns that something could not be saved (a read-only or full
// disk, a folder in the way). The first failure of a session shows a message saying what, where
// and why: over the field while the game runs, in a message box before or after; later failures
// are lines on standard error; the game goes on either way. While the game is ending on a signal
// nothing may wait for the player, so the message is only printed then.
#include <functional>
#include <string>
#include <string_view>

namespace vortala {

class SaveFailures {
public:
    // error: the errno of the failed call.
    void Report(std::string_view what, const std::string& where, int error);
    void Report(std::string_view what, const std::string& where, const std::string& reason);
    // Shows the message over the running game; empty (the default) for a message box. A message
    // held until now is shown at once.
    void ShowOverTheGame(std::function<void(const std::string&)> show);
    // The first message waits for ShowOverTheGame: the game's window is about to come up.
    void HoldUntilShown() { holding_ = true; }

private:
    void Show(const std::string& message);

    std::function<void(const std::string&)> show_;
    std::string held_;
    bool holding_ = false;
    bool shown_ = false;
};

}  // namespace vortala
