#include "platform/RegularFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace vortala {

namespace {

// An open descriptor on a regular file, or -1 with errno set.
int OpenRegular(const std::string& path, int flags) {
    const int fd = open(path.c_str(), flags | O_CLOEXEC | O_NONBLOCK | O_NOCTTY, 0644);
    if (fd < 0) return -1;
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        close(fd);
        errno = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
        return -1;
    }
    return fd;
}

// Up to `limit` bytes from the current offset; false on a read error.
bool ReadUpTo(int fd, std::size_t limit, std::string& out) {
    char buffer[65536];
    while (out.size() < limit) {
        const ssize_t n = read(fd, buffer, std::min(sizeof buffer, limit - out.size()));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return false;
        if (n == 0) break;
        out.append(buffer, static_cast<std::size_t>(n));
    }
    return true;
}

bool WriteAll(int fd, std::string_view text) {
    while (!text.empty()) {
        const ssize_t n = write(fd, text.data(), text.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        text.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

}  // namespace

int OpenRegularFileToRead(const std::string& path) {
    return OpenRegular(path, O_RDONLY);
}

std::string FileProblem(int error) {
    switch (error) {
        case EISDIR:
            return "it is a folder";
        case EINVAL:
            return "it is not a regular file";
        case EFBIG:
            return "it is larger than the limit";
        default:
            return std::strerror(error);
    }
}

std::optional<std::string> ReadRegularFile(const std::string& path, std::size_t limit, ReadPart part) {
    const int fd = OpenRegular(path, O_RDONLY);
    if (fd < 0) return std::nullopt;
    struct stat info {};
    fstat(fd, &info);
    const auto size = static_cast<std::size_t>(info.st_size);
    bool cut = false;
    if (part == ReadPart::Tail && size > limit) {
        cut = lseek(fd, static_cast<off_t>(size - limit), SEEK_SET) >= 0;
    }
    std::string text;
    // One byte more than the limit tells a whole file that is too large (sizes under /proc are 0).
    const bool read = ReadUpTo(fd, part == ReadPart::Whole ? limit + 1 : limit, text);
    const int error = errno;
    close(fd);
    if (!read) return errno = error, std::nullopt;
    if (part == ReadPart::Whole && text.size() > limit) return errno = EFBIG, std::nullopt;
    if (cut) {
        const std::size_t lineEnd = text.find('\n');
        text.erase(0, lineEnd == std::string::npos ? text.size() : lineEnd + 1);
    }
    return text;
}

bool AppendToRegularFile(const std::string& path, std::string_view text, std::string_view headerIfEmpty) {
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    std::error_code ignored;
    if (!folder.empty()) std::filesystem::create_directories(folder, ignored);
    const int fd = OpenRegular(path, O_WRONLY | O_APPEND | O_CREAT);
    if (fd < 0) return false;
    struct stat info {};
    fstat(fd, &info);
    std::string block;
    if (info.st_size == 0) block = headerIfEmpty;
    block += text;
    const bool written = WriteAll(fd, block) && fsync(fd) == 0;
    const int error = errno;
    const bool closed = close(fd) == 0;
    if (!written) errno = error;
    return written && closed;
}

}  // namespace vortala
