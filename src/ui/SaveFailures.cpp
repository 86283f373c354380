#include "ui/SaveFailures.h"

#include <cstdio>
#include <cstring>

#include "platform/EndSignals.h"
#include "platform/Shell.h"

namespace vortala {

void SaveFailures::Report(std::string_view what, const std::string& where, int error) {
    const std::string reason = error != 0 ? std::strerror(error) : "unknown error";
    const std::string text = "Could not save " + std::string(what) + " in " + where + " (" + reason + ").";
    if (shown_ || EndSignalReceived()) {
        std::fprintf(stderr, "vortala: %s\n", text.c_str());
        return;
    }
    shown_ = true;
    ShowMessage("Vortala", text + "\nThe game goes on, but what could not be saved will not be kept.");
}

}  // namespace vortala
