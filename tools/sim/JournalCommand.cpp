#include "JournalCommand.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

#include "Subcommand.h"
#include "app/JournalLine.h"
#include "app/JournalScript.h"
#include "game/GameReplay.h"
#include "platform/RegularFile.h"

namespace vortala::sim {

namespace {

constexpr std::size_t kChunkBytes = 4 << 20;
// A journal line is about a kilobyte; a longer one than this is damaged and only its start is
// kept, so a file without line ends cannot fill the memory.
constexpr std::size_t kLineCap = 1 << 20;
constexpr int kDamageShown = 10;  // damaged lines listed one by one; the rest are counted

// Calls `line` for every line of the file (numbered from 1), without its newline and cut at the
// cap; false when the file cannot be read or `line` asks to stop. Only a regular file is read: a
// FIFO, a device or a folder (or a link to one) is refused, never waited on.
bool ForEachLine(const char* path, const std::function<bool(std::string_view, std::uint64_t)>& line) {
    const int fd = OpenRegularFileToRead(path);
    if (fd < 0) {
        std::cerr << "journal: cannot read " << path << ": " << FileProblem(errno) << '\n';
        return false;
    }
    std::vector<char> buffer(kChunkBytes);
    std::string carry;
    std::uint64_t number = 0;
    bool going = true;
    ssize_t n = 0;
    const auto keep = [&carry](std::string_view part) {
        carry.append(part.substr(0, kLineCap - std::min(kLineCap, carry.size())));
    };
    while (going && ((n = read(fd, buffer.data(), buffer.size())) > 0 || (n < 0 && errno == EINTR))) {
        std::string_view chunk(buffer.data(), n > 0 ? static_cast<std::size_t>(n) : 0);
        while (going && !chunk.empty()) {
            const std::size_t end = chunk.find('\n');
            if (end == std::string_view::npos) {
                keep(chunk);
                break;
            }
            if (carry.empty()) {
                going = line(chunk.substr(0, std::min(end, kLineCap)), ++number);
            } else {
                keep(chunk.substr(0, end));
                going = line(carry, ++number);
                carry.clear();
            }
            chunk.remove_prefix(end + 1);
        }
    }
    const bool error = n < 0;
    close(fd);
    if (error) std::cerr << "journal: read error in " << path << '\n';
    if (going && !carry.empty()) going = line(carry, ++number);  // a last line without its newline
    return !error;
}

int Verify(const char* path) {
    const auto start = std::chrono::steady_clock::now();
    std::uint64_t games = 0, damaged = 0, closes = 0;
    Money staked = 0, returned = 0;
    bool differs = false;
    JournalEntry entry;
    GameRecord derived;
    std::string why;
    const bool read = ForEachLine(path, [&](std::string_view text, std::uint64_t number) {
        if (text.empty()) return true;
        if (!ParseJournalLine(text, entry, why)) {
            if (++damaged <= kDamageShown)
                std::cout << "line " << number << ": damaged, skipped: " << why << '\n';
            return true;
        }
        if (entry.kind == JournalEntry::Kind::Close) return ++closes, true;
        const GameRecord& game = entry.game;
        const bool ended = ReplayGame(game, derived);
        RecordDifference d;
        if (FirstDifference(game, derived, d) || !ended) {
            if (!PossibleRecord(game))
                d = {"before", "a state no machine can be in", "nothing played"};
            else if (!ended && d.field.empty())
                d = {"end", "the game ends", "the game does not end"};
            std::cout << "game " << game.seq << " (line " << number << "): " << d.field << ": recorded "
                      << d.recorded << ", re-derived " << d.derived << '\n';
            differs = true;
            return false;
        }
        ++games;
        staked = AddMoney(staked, game.stake);
        returned = AddMoney(returned, game.returned);
        return true;
    });
    if (!read) return 2;
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (damaged > kDamageShown) std::cout << "... " << damaged - kDamageShown << " more damaged lines\n";
    std::cout << (differs ? "stopped after " : "verified ") << games << " games: staked " << staked
              << ", returned " << returned << " ("
              << static_cast<long long>(games / (seconds > 0 ? seconds : 1)) << " games/s)";
    if (closes) std::cout << "; " << closes << " session closes";
    if (damaged) std::cout << "; " << damaged << " damaged lines skipped";
    std::cout << '\n';
    if (differs) return 1;
    return damaged ? 3 : 0;
}

int Script(const char* path, const char* number) {
    char* end = nullptr;
    const unsigned long long wanted = std::strtoull(number, &end, 10);
    if (*number == '\0' || *end != '\0') return UsageError("journal", "N must be a game's sequence number");
    bool found = false;
    JournalEntry entry;
    std::string why;
    if (!ForEachLine(path, [&](std::string_view text, std::uint64_t) {
            if (!ParseJournalLine(text, entry, why) || entry.kind != JournalEntry::Kind::Game ||
                entry.game.seq != wanted)
                return true;
            std::cout << GameScript(entry.game);
            found = true;
            return false;
        }))
        return 2;
    if (!found) std::cerr << "journal: no valid record of game " << wanted << " in " << path << '\n';
    return found ? 0 : 1;
}

}  // namespace

const char* JournalUsage() {
    return "Usage: vortala-sim journal verify FILE\n"
           "       vortala-sim journal script FILE N\n"
           "verify re-plays every recorded game through the rules and compares it with its record;\n"
           "script prints game N (its sequence number) as a script for 'vortala-sim script'.\n"
           "Exit status of verify: 0 all checked, 1 a difference, 2 the file cannot be read,\n"
           "3 damaged lines were skipped. See docs/RECALL.md.\n";
}

int RunJournalCommand(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[0], "verify") == 0) return Verify(argv[1]);
    if (argc == 3 && std::strcmp(argv[0], "script") == 0) return Script(argv[1], argv[2]);
    if (argc == 0) return UsageError("journal", "needs verify FILE or script FILE N");
    return UsageError("journal", "unexpected arguments after '" + std::string(argv[0]) + "'");
}

}  // namespace vortala::sim
