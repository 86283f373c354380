#include "ui/SaveFailures.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

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
    if (show_ && !MessagesOnStandardError())
        show_(message);
    else
        ShowMessage("Vortala", message);
}

}  // namespace vortala
