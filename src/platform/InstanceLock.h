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
        Unavailable,    // the lock file cannot be opened (an unwritable folder): run unguarded
    };

    // Takes the lock on the file at `path` without waiting; the file is created when missing.
    explicit InstanceLock(const std::string& path);
    ~InstanceLock();
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;

    State state() const { return state_; }

private:
    int fd_ = -1;
    State state_ = State::Unavailable;
};

}  // namespace vortala
