#include "platform/EndSignals.h"

#include <csignal>
#include <initializer_list>

namespace vortala {

namespace {

volatile std::sig_atomic_t gReceived = 0;

// Only async-signal-safe work here: a flag, or the default action for the second signal.
extern "C" void OnEndSignal(int number) {
    if (gReceived != 0) {
        std::signal(number, SIG_DFL);
        std::raise(number);
        return;
    }
    gReceived = number;
}

}  // namespace

void WatchEndSignals() {
    struct sigaction action {};
    action.sa_handler = OnEndSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;  // other threads' system calls carry on undisturbed
    for (int number : {SIGTERM, SIGINT, SIGHUP}) sigaction(number, &action, nullptr);
}

bool EndSignalReceived() {
    return gReceived != 0;
}

}  // namespace vortala
