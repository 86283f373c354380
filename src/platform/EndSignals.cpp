#include "platform/EndSignals.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <initializer_list>

namespace vortala {

namespace {

volatile std::sig_atomic_t gReceived = 0;
int gWake[2] = {-1, -1};  // read end, write end; never drained, so it stays readable

// Only async-signal-safe work here: a flag and a byte, or the default action for the second signal.
extern "C" void OnEndSignal(int number) {
    if (gReceived != 0) {
        std::signal(number, SIG_DFL);
        std::raise(number);
        return;
    }
    gReceived = number;
    const int saved = errno;
    if (gWake[1] >= 0) {
        const ssize_t written = write(gWake[1], "!", 1);  // full only once a byte is in: enough
        static_cast<void>(written);
    }
    errno = saved;
}

}  // namespace

void WatchEndSignals() {
    if (gWake[0] < 0 && pipe2(gWake, O_CLOEXEC | O_NONBLOCK) != 0) gWake[0] = gWake[1] = -1;
    struct sigaction action {};
    action.sa_handler = OnEndSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;  // other threads' system calls carry on undisturbed
    for (int number : {SIGTERM, SIGINT, SIGHUP}) sigaction(number, &action, nullptr);
}

bool EndSignalReceived() {
    return gReceived != 0;
}

int EndSignalDescriptor() {
    return gWake[0];
}

}  // namespace vortala
