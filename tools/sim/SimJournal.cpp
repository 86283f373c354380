#include "SimJournal.h"

#include <cerrno>
#include <cstring>
#include <memory>
#include <vector>

#include "app/JournalLine.h"

namespace vortala::sim {

namespace {

constexpr std::size_t kBufferBytes = 1 << 20;
constexpr std::string_view kSeqKey = "{\"seq\":";

struct FileCloser {
    void operator()(std::FILE* f) const {
        if (f) std::fclose(f);
    }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

// The line with its sequence number replaced and its checksum made anew.
bool Renumber(std::string& line, std::uint64_t seq) {
    const std::size_t tail = line.rfind(",\"crc\":\"");
    const std::size_t comma = line.find(',', kSeqKey.size());
    if (line.compare(0, kSeqKey.size(), kSeqKey) != 0 || tail == std::string::npos || comma > tail)
        return false;
    line.replace(kSeqKey.size(), comma - kSeqKey.size(), std::to_string(seq));
    const std::size_t body = line.rfind(",\"crc\":\"");
    char hex[9];
    std::snprintf(hex, sizeof hex, "%08x", Crc32(std::string_view(line).substr(0, body)));
    line.replace(body + 8, 8, hex);
    return true;
}

}  // namespace

std::string JournalPartPath(const std::string& journal, std::uint64_t block) {
    return journal + ".part" + std::to_string(block);
}

JournalSink::JournalSink(const std::string& journal, std::uint64_t block)
    : file_(std::fopen(JournalPartPath(journal, block).c_str(), "wb")),
      machine_(static_cast<std::int64_t>(block + 1)) {
    if (file_) std::setvbuf(file_, nullptr, _IOFBF, kBufferBytes);
}

JournalSink::~JournalSink() {
    if (file_) std::fclose(file_);
}

void JournalSink::GameEnded() {
    if (!recorder_.Finished()) return;
    GameRecord& game = recorder_.Take();
    game.seq = ++seq_;
    game.session = machine_;
    if (!file_) return;
    const std::string line = FormatGameLine(game, nullptr);
    std::fwrite(line.data(), 1, line.size(), file_);
    std::fputc('\n', file_);
}

bool StartJournal(const std::string& journal, std::string& error) {
    File f(std::fopen(journal.c_str(), "wb"));
    if (!f) error = "cannot write " + journal + ": " + std::strerror(errno);
    return f != nullptr;
}

bool FinishJournal(const std::string& journal, std::uint64_t firstBlock, std::uint64_t endBlock,
                   std::uint64_t& games, std::string& error) {
    File out(std::fopen(journal.c_str(), "wb"));
    if (!out) {
        error = "cannot write " + journal + ": " + std::strerror(errno);
        return false;
    }
    std::setvbuf(out.get(), nullptr, _IOFBF, kBufferBytes);
    games = 0;
    bool ok = true;
    std::vector<char> buffer(kBufferBytes);
    std::string line;
    for (std::uint64_t b = firstBlock; b < endBlock; ++b) {
        const std::string part = JournalPartPath(journal, b);
        File in(std::fopen(part.c_str(), "rb"));
        if (!in) {
            error = "cannot read " + part;
            ok = false;
            continue;
        }
        std::size_t n = 0;
        while ((n = std::fread(buffer.data(), 1, buffer.size(), in.get())) > 0) {
            for (std::size_t i = 0; i < n; ++i) {
                if (buffer[i] != '\n') {
                    line += buffer[i];
                    continue;
                }
                if (!Renumber(line, ++games)) ok = false, error = "a damaged line in " + part;
                line += '\n';
                std::fwrite(line.data(), 1, line.size(), out.get());
                line.clear();
            }
        }
        in.reset();
        std::remove(part.c_str());
    }
    if (std::fflush(out.get()) != 0) {
        error = "cannot write " + journal + ": " + std::strerror(errno);
        ok = false;
    }
    return ok;
}

}  // namespace vortala::sim
