#include "platform/Shell.h"

#include <SDL.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

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

void ShowMessage(std::string_view caption, std::string_view text) {
    const std::string title(caption);
    const std::string message(text);
    if (!MessagesOnStandardError() &&
        SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_WARNING, title.c_str(), message.c_str(), nullptr) == 0) {
        return;
    }
    std::fprintf(stderr, "%s: %s\n", title.c_str(), message.c_str());
}

}  // namespace vortala
