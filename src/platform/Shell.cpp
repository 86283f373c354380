#include "platform/Shell.h"

#include <SDL.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

#include "platform/EndSignals.h"

extern char** environ;

namespace vortala {

void OpenUrl(std::string_view url, std::function<void()> failed) {
    std::string program = "xdg-open";
    std::string address(url);
    char* argv[] = {program.data(), address.data(), nullptr};
    // The browser gets none of our descriptors, whatever opened them (a library, a file left
    // without close-on-exec): it could keep the instance lock or a pipe alive after we end.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addclosefrom_np(&actions, 3);
    pid_t pid = 0;
    const int started = posix_spawnp(&pid, program.c_str(), &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (started != 0) {
        if (failed) failed();
        return;
    }
    // Reaped on a thread of its own, so no zombie is left and the caller never waits. xdg-open
    // ends once the browser is started, or with a status saying it found none.
    std::thread([pid, failed = std::move(failed)] {
        int status = 0;
        const bool reaped = waitpid(pid, &status, 0) == pid;
        if (reaped && !(WIFEXITED(status) && WEXITSTATUS(status) == 0) && failed) failed();
    }).detach();
}

bool MessagesOnStandardError() {
    return std::getenv("VORTALA_NO_DIALOGS") != nullptr;
}

namespace {

void PrintMessage(const std::string& title, const std::string& message) {
    std::fprintf(stderr, "%s: %s\n", title.c_str(), message.c_str());
}

}  // namespace

void ShowMessage(std::string_view caption, std::string_view text) {
    const std::string title(caption);
    const std::string message(text);
    if (!MessagesOnStandardError() &&
        SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_WARNING, title.c_str(), message.c_str(), nullptr) == 0) {
        return;
    }
    PrintMessage(title, message);
}

namespace {

// The box's child runs in a process group of its own with SDL's own box process, its child.
// SIGTERM (from the game, or as the game's death signal) ends both, the child reaping its own,
// so that no box and no zombie outlives the game.
pid_t gBoxChild = 0;

extern "C" void EndBoxGroup(int) {
    if (getpid() != gBoxChild) _exit(1);  // SDL's box process, which inherited this handler
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigaction(SIGTERM, &ignore, nullptr);
    kill(0, SIGTERM);
    while (waitpid(-1, nullptr, 0) > 0 || errno == EINTR) {
    }
    _exit(1);
}

// Starts with SIGTERM blocked, so one sent before its handler is in place waits for it.
[[noreturn]] void RunBoxChild(pid_t game, const sigset_t& mask, const std::string& title,
                              const std::string& message) {
    gBoxChild = getpid();
    setpgid(0, 0);
    struct sigaction action {};
    action.sa_handler = EndBoxGroup;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    for (int number : {SIGINT, SIGHUP}) std::signal(number, SIG_DFL);
    pthread_sigmask(SIG_SETMASK, &mask, nullptr);
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (getppid() != game) _exit(1);  // the game ended before the line above
    const bool shown =
        SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_WARNING, title.c_str(), message.c_str(), nullptr) == 0;
    _exit(shown ? 0 : 1);
}

}  // namespace

void ShowStartMessage(std::string_view caption, std::string_view text) {
    const std::string title(caption);
    const std::string message(text);
    const int ended = EndSignalDescriptor();
    if (EndSignalReceived()) return PrintMessage(title, message);
    if (MessagesOnStandardError() || ended < 0) return ShowMessage(caption, text);
    int gone[2];  // the child holds the write end: its end (and its box's) hangs the read end up
    if (pipe2(gone, O_CLOEXEC) != 0) return ShowMessage(caption, text);
    SDL_PumpEvents();  // nothing of ours left unsent on the display connection the child inherits
    const pid_t game = getpid();
    sigset_t term, mask;
    sigemptyset(&term);
    sigaddset(&term, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &term, &mask);
    const pid_t child = fork();
    if (child == 0) {
        close(gone[0]);
        RunBoxChild(game, mask, title, message);
    }
    pthread_sigmask(SIG_SETMASK, &mask, nullptr);
    close(gone[1]);
    if (child < 0) {
        close(gone[0]);
        return ShowMessage(caption, text);
    }
    setpgid(child, child);
    pollfd waits[2] = {{gone[0], POLLIN, 0}, {ended, POLLIN, 0}};
    while (!EndSignalReceived() && waits[0].revents == 0) {
        if (poll(waits, 2, -1) < 0 && errno != EINTR) break;
    }
    close(gone[0]);
    const bool signalled = EndSignalReceived();
    if (signalled) kill(child, SIGTERM);
    int status = 0;
    while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
    }
    if (signalled || !WIFEXITED(status) || WEXITSTATUS(status) != 0) PrintMessage(title, message);
}

}  // namespace vortala
