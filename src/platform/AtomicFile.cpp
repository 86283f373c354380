#include "platform/AtomicFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <filesystem>
#include <system_error>

namespace vortala {

namespace {

constexpr std::size_t kTemporarySuffix = 7;  // "." and the six characters mkstemp fills in

bool WriteAll(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

bool IsTemporaryOf(const std::string& name, const std::string& target) {
    if (name.size() != target.size() + kTemporarySuffix || name.compare(0, target.size(), target) != 0 ||
        name[target.size()] != '.')
        return false;
    return std::all_of(name.begin() + static_cast<std::ptrdiff_t>(target.size()) + 1, name.end(),
                       [](unsigned char c) { return std::isalnum(c) != 0; });
}

}  // namespace

bool ReplaceFileAtomically(const std::string& path, const std::string& text) {
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    std::error_code ignored;
    if (!folder.empty()) std::filesystem::create_directories(folder, ignored);

    std::string temporary = path + ".XXXXXX";
    const int fd = mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) return false;
    const bool written = WriteAll(fd, text) && fsync(fd) == 0;
    const bool closed = close(fd) == 0;
    if (!written || !closed || rename(temporary.c_str(), path.c_str()) != 0) {
        const int error = errno;
        unlink(temporary.c_str());
        errno = error;
        return false;
    }
    const int folderFd = open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folderFd >= 0) {
        fsync(folderFd);
        close(folderFd);
    }
    return true;
}

void RemoveStaleTemporaries(const std::string& path) {
    const std::filesystem::path target(path);
    const std::string name = target.filename().string();
    std::filesystem::path folder = target.parent_path();
    if (folder.empty()) folder = ".";
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        std::error_code kind;
        if (IsTemporaryOf(it->path().filename().string(), name) && it->is_regular_file(kind) &&
            !it->is_symlink(kind))
            std::filesystem::remove(it->path(), kind);
    }
}

}  // namespace vortala
