#include "platform/InstanceLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

namespace vortala {

namespace {

std::string KindOf(mode_t mode) {
    if (S_ISDIR(mode)) return "is a folder";
    if (S_ISLNK(mode)) return "is a symbolic link";
    if (S_ISFIFO(mode)) return "is a FIFO";
    if (S_ISSOCK(mode)) return "is a socket";
    if (S_ISCHR(mode) || S_ISBLK(mode)) return "is a device";
    return "is not a regular file";
}

// The first folder on the way to `path` that is not one (a file where a folder should be), or "".
std::string FileInPlaceOfAFolder(const std::filesystem::path& path) {
    for (std::filesystem::path folder = path.parent_path(); !folder.empty() && folder != folder.root_path();
         folder = folder.parent_path()) {
        struct stat info {};
        if (lstat(folder.c_str(), &info) != 0) continue;
        return S_ISDIR(info.st_mode) ? "" : folder.string();
    }
    return "";
}

}  // namespace

// Close-on-exec, so that a browser started from the game never inherits the lock and keeps it;
// never blocking and never following a link, whatever stands at the path.
InstanceLock::InstanceLock(const std::string& path) {
    constexpr int kFlags = O_CLOEXEC | O_NONBLOCK | O_NOCTTY | O_NOFOLLOW;
    fd_ = open(path.c_str(), O_RDWR | O_CREAT | kFlags, 0644);
    if (fd_ < 0 && (errno == EACCES || errno == EROFS)) fd_ = open(path.c_str(), O_RDONLY | kFlags);
    struct stat info {};
    if (fd_ < 0) {
        const int error = errno;
        if (lstat(path.c_str(), &info) == 0 && !S_ISREG(info.st_mode)) {
            problem_ = KindOf(info.st_mode);
            obstacle_ = path;
        } else {
            problem_ = std::string("cannot be created or opened (") + std::strerror(error) + ")";
            obstacle_ = FileInPlaceOfAFolder(path);
        }
        return;
    }
    if (fstat(fd_, &info) != 0 || !S_ISREG(info.st_mode)) {
        problem_ = KindOf(info.st_mode);
        obstacle_ = path;
        close(fd_);
        fd_ = -1;
        return;
    }
    int result = 0;
    do {
        result = flock(fd_, LOCK_EX | LOCK_NB);
    } while (result != 0 && errno == EINTR);
    if (result == 0) {
        state_ = State::Held;
        return;
    }
    if (errno == EWOULDBLOCK) {
        state_ = State::HeldElsewhere;
    } else {
        problem_ = std::string("cannot be locked (") + std::strerror(errno) + ")";
    }
    close(fd_);
    fd_ = -1;
}

InstanceLock::~InstanceLock() {
    if (fd_ >= 0) close(fd_);
}

}  // namespace vortala
