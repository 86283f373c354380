#pragma once
// InstanceLock: one running copy of the game per user. An advisory lock on a file in the data
// folder is held while the game runs; the kernel drops it when the process ends, however it ends,
// so a crashed or killed copy never blocks the next start.
#include <string>

namespace vortala {

class InstanceLock {
public:
    enum class State {
        Held,           // this process holds the lock
        HeldElsewhere,  // another copy is running
        Unavailable,    // the lock cannot be taken (see problem()): the game must not start
    };

    // Takes the lock on the file at `path` without waiting; the file is created when missing. Only
    // a regular file is taken: a folder, a FIFO, a device or a symbolic link in its place would let
    // a second copy start beside the first, so it makes the lock unavailable.
    explicit InstanceLock(const std::string& path);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    State state() const { return state_; }
    // Why the lock is unavailable, as the end of a sentence about the file ("is a folder"), or "".
    const std::string& problem() const { return problem_; }
    // What is in the way when the lock is unavailable: the lock's path when something other than a
    // regular file is there, or a file standing where one of its folders should be; else "".
    const std::string& obstacle() const { return obstacle_; }

private:
    int fd_ = -1;
    State state_ = State::Unavailable;
    std::string problem_;
    std::string obstacle_;
};

}  // namespace vortala
