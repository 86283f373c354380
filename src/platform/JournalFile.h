#pragma once
// The game journal's file: read with a size cap, appended to by a thread of its own so that no
// write, flush or rewrite ever waits on the main thread, and replaced atomically when it is
// trimmed. Only a regular file is ever read or written: a directory, FIFO or device in its place
// (or behind a symlink) is refused with a reason, never opened for blocking I/O.
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <string>
#include <thread>

namespace vortala {

struct JournalText {
    std::string text;     // whole lines only
    std::string problem;  // why the file could not be read, or "" (a missing file is no problem)
    bool cut = false;     // larger than the cap: only its end was read
};

// Reads at most the last maxBytes of the file, from the first whole line on.
JournalText ReadJournalText(const std::string& path, std::size_t maxBytes);

class JournalWriter {
public:
    explicit JournalWriter(std::string path);
    // Writes everything queued, then stops.
    ~JournalWriter();
    JournalWriter(const JournalWriter&) = delete;
    JournalWriter& operator=(const JournalWriter&) = delete;

    // Queues a line (without its newline): appended and flushed to disk in the background.
    void Append(std::string line);
    // Queues a replacement of the whole file, done after the lines queued before it.
    void Replace(std::string text);
    // Waits until everything queued so far is written (program end, tests).
    void Drain();
    // The last write failure, or "" (read from the main thread).
    std::string Problem() const;

private:
    struct Job {
        bool replace;
        std::string text;
    };
    void Work();
    bool AppendNow(const std::string& text);

    std::string path_;
    mutable std::mutex mutex_;
    std::condition_variable wake_, idle_;
    std::deque<Job> jobs_;
    bool busy_ = false;
    bool stop_ = false;
    std::string problem_;
    std::thread worker_;
};

}  // namespace vortala
