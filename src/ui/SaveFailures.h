#pragma once
// SaveFailures: how the player learns that something could not be saved (a read-only or full
// disk, a folder in the way). The first failure of a session shows a message saying what and
// where; every failure is also a line on standard error; the game goes on either way. While the
// game is ending on a signal nothing may wait for the player, so the message is only printed.
#include <string>
#include <string_view>

namespace vortala {

class SaveFailures {
public:
    // error: the errno of the failed call.
    void Report(std::string_view what, const std::string& where, int error);

private:
    bool shown_ = false;
};

}  // namespace vortala
