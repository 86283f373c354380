#include "records/SaveFailures.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <utility>

#include "platform/EndSignals.h"
#include "platform/Shell.h"

namespace vortala {

void SaveFailures::Report(std::string_view what, const std::string& where, int error) {
    // EINVAL is what the game's own checks give for a FIFO or a device in a file's place.
    Report(what, where, error == EINVAL ? "not a regular file" : std::string(std::strerror(error)));
}

void SaveFailures::Report(std::string_view what, const std::string& where, const std::string& reason) {
    const std::string text = "Could not save " + std::string(what) + " in " + where + " (" + reason + ").";
    if (shown_ || EndSignalReceived()) {
        std::fprintf(stderr, "vortala: %s\n", text.c_str());
        return;
    }
    shown_ = true;
    const std::string message = text + "\nThe game goes on, but what could not be saved will not be kept.";
    if (holding_ && !show_)
        held_ = message;
    else
        Show(message);
}

void SaveFailures::ShowOverTheGame(std::function<void(const std::string&)> show) {
    show_ = std::move(show);
    holding_ = false;
    if (!held_.empty() && show_) Show(std::exchange(held_, {}));
}

void SaveFailures::Show(const std::string& message) {
    if (show_ && !MessagesOnStandardError())
        show_(message);
    else
        ShowMessage("Vortala", message);
}

}  // namespace vortala
