#include "platform/JournalFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/AtomicFile.h"

namespace vortala {

namespace {

// Opens without blocking (a FIFO with no writer would otherwise hang the open) and keeps the
// descriptor only when it is a regular file.
int OpenRegular(const std::string& path, int flags, std::string& problem) {
    const int fd = open(path.c_str(), flags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0644);
    if (fd < 0) {
        if (errno != ENOENT) problem = path + ": " + std::strerror(errno);
        return -1;
    }
    struct stat st {};
    if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        problem = path + " is not a regular file";
        close(fd);
        return -1;
    }
    // Reads and writes of a regular file never block; clearing the flag keeps them whole.
    fcntl(fd, F_SETFL, fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    return fd;
}

}  // namespace

JournalText ReadJournalText(const std::string& path, std::size_t maxBytes) {
    JournalText out;
    const int fd = OpenRegular(path, O_RDONLY, out.problem);
    if (fd < 0) return out;
    struct stat st {};
    fstat(fd, &st);
    const auto size = static_cast<std::size_t>(st.st_size);
    const std::size_t from = size > maxBytes ? size - maxBytes : 0;
    out.cut = from > 0;
    out.text.resize(size - from);
    std::size_t done = 0;
    while (done < out.text.size()) {
        const ssize_t n =
            pread(fd, out.text.data() + done, out.text.size() - done, static_cast<off_t>(from + done));
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) break;
        done += static_cast<std::size_t>(n);
    }
    close(fd);
    out.text.resize(done);
    if (out.cut) {
        const std::size_t first = out.text.find('\n');
        out.text.erase(0, first == std::string::npos ? out.text.size() : first + 1);
    }
    return out;
}

JournalWriter::JournalWriter(std::string path) : path_(std::move(path)), worker_([this] { Work(); }) {}

JournalWriter::~JournalWriter() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stop_ = true;
    }
    wake_.notify_one();
    worker_.join();
}

void JournalWriter::Append(std::string line) {
    line += '\n';
    {
        std::lock_guard<std::mutex> lock(mutex_);
        jobs_.push_back({false, std::move(line)});
    }
    wake_.notify_one();
}

void JournalWriter::Replace(std::string text) {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        jobs_.push_back({true, std::move(text)});
    }
    wake_.notify_one();
}

void JournalWriter::Drain() {
    std::unique_lock<std::mutex> lock(mutex_);
    idle_.wait(lock, [this] { return jobs_.empty() && !busy_; });
}

std::string JournalWriter::Problem() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return problem_;
}

bool JournalWriter::AppendNow(const std::string& text) {
    std::string problem;
    const int fd = OpenRegular(path_, O_RDWR | O_APPEND | O_CREAT, problem);  // read: the last byte
    if (fd < 0) {
        std::lock_guard<std::mutex> lock(mutex_);
        problem_ = problem.empty() ? path_ + ": cannot be created" : problem;
        return false;
    }
    // A torn last line (a crash mid-write) stays a line of its own: the new one starts afresh.
    struct stat st {};
    char last = '\n';
    if (fstat(fd, &st) == 0 && st.st_size > 0) {
        if (pread(fd, &last, 1, st.st_size - 1) != 1) last = '\n';
    }
    const std::string whole = last == '\n' ? text : "\n" + text;
    std::size_t done = 0;
    bool ok = true;
    while (done < whole.size()) {
        const ssize_t n = write(fd, whole.data() + done, whole.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            ok = false;
            break;
        }
        done += static_cast<std::size_t>(n);
    }
    ok = fdatasync(fd) == 0 && ok;
    close(fd);
    if (!ok) {
        std::lock_guard<std::mutex> lock(mutex_);
        problem_ = path_ + ": " + std::strerror(errno);
    }
    return ok;
}

void JournalWriter::Work() {
    std::unique_lock<std::mutex> lock(mutex_);
    for (;;) {
        wake_.wait(lock, [this] { return stop_ || !jobs_.empty(); });
        if (jobs_.empty()) break;  // stopping with nothing left
        // Everything queued goes out in one write and one flush.
        std::string lines;
        bool replace = false;
        while (!jobs_.empty() && !replace) {
            Job job = std::move(jobs_.front());
            jobs_.pop_front();
            if (job.replace && !lines.empty()) {
                jobs_.push_front(std::move(job));
                break;
            }
            replace = job.replace;
            lines += job.text;
        }
        busy_ = true;
        lock.unlock();
        if (replace) {
            if (!ReplaceFileAtomically(path_, lines)) {
                std::lock_guard<std::mutex> problemLock(mutex_);
                problem_ = path_ + ": could not be rewritten";
            }
        } else {
            AppendNow(lines);
        }
        lock.lock();
        busy_ = false;
        if (jobs_.empty()) idle_.notify_all();
    }
    idle_.notify_all();
}

}  // namespace vortala
