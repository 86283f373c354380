#include "RtpOptions.h"

#include "CommandText.h"

#include <cstring>
#include <string_view>

namespace vortala::sim {

namespace {

bool ParseFortune(std::string_view text, RtpOptions& o) {
    int* const fields[3] = {&o.fortuneSpin, &o.fortuneRisk, &o.fortuneBonus};
    for (int i = 0; i < 3; ++i) {
        const std::size_t comma = text.find(',');
        if ((comma == std::string_view::npos) != (i == 2)) return false;
        long long v = 0;
        if (!ParseWholeNumber(text.substr(0, comma), -100, 100, v)) return false;
        *fields[i] = static_cast<int>(v);
        if (i < 2) text.remove_prefix(comma + 1);
    }
    return true;
}

}  // namespace

const char* RtpUsage() {
    return "Usage: vortala-sim rtp [options]\n"
           "Plays many games with a fixed strategy and reports what the machine returns.\n"
           "Options:\n"
           "  --games N              games of the whole run, all shards together (default 1000000)\n"
           "  --seed S               seed of the whole run (default 1)\n"
           "  --threads T            worker threads (default: every core this process may use)\n"
           "  --shard K/N            play only the K-th of N parts of the run (default 1/1)\n"
           "  --block-games B        games per block, each played from a fresh machine (default 1000000)\n"
           "  --bet-per-line B       1..99 on each of the 15 lines (default 1)\n"
           "  --fortune S,R,B        spin, risk and bonus fortune, each -100..100 (default 0,0,0)\n"
           "  --gamble K             risk K cards, then take (0..7, default 0)\n"
           "  --json                 print the report as JSON\n"
           "  --journal FILE         write every game's record to FILE (see: vortala-sim journal)\n";
}

bool ParseRtpOptions(int argc, char** argv, RtpOptions& out, std::string& error) {
    RtpOptions o;
    for (int i = 0; i < argc; ++i) {
        OptionWord option = SplitOption(argv[i]);
        const std::string_view name = option.name;
        const bool hasValue = option.hasValue;
        if (name == "--json" && !hasValue) {
            o.json = true;
            continue;
        }
        const bool known = name == "--journal" || name == "--games" || name == "--seed" ||
                           name == "--threads" || name == "--shard" || name == "--block-games" ||
                           name == "--bet-per-line" || name == "--fortune" || name == "--gamble";
        if (!known) {
            error = "unknown option '" + std::string(name) + "'";
            return false;
        }
        if (!TakeOptionValue(option, argc, argv, i, error)) return false;
        const std::string_view value = option.value;
        long long v = 0;
        bool ok = true;
        if (name == "--journal") {
            ok = !value.empty();
            o.journal = std::string(value);
        } else if (name == "--games") {
            ok = ParseWholeNumber(value, 1, kMaxGames, v);
            o.games = static_cast<std::uint64_t>(v);
        } else if (name == "--block-games") {
            ok = ParseWholeNumber(value, 1, kMaxGames, v);
            o.blockGames = static_cast<std::uint64_t>(v);
        } else if (name == "--shard") {
            ok = ParseShardText(value, kMaxShards, o.shard, o.shards);
        } else if (name == "--seed") {
            ok = ParseWholeNumber(value, 0, kMaxSeed, v);
            o.seed = static_cast<std::uint64_t>(v);
        } else if (name == "--threads") {
            ok = ParseWholeNumber(value, 1, 256, v);
            o.threads = static_cast<unsigned>(v);
        } else if (name == "--bet-per-line") {
            ok = ParseWholeNumber(value, 1, 99, v);
            o.betPerLine = static_cast<int>(v);
        } else if (name == "--gamble") {
            ok = ParseWholeNumber(value, 0, 7, v);
            o.gamble = static_cast<int>(v);
        } else {
            ok = ParseFortune(value, o);
        }
        if (!ok) {
            static constexpr const char* kRanges[][2] = {
                {"--games", "a whole number from 1 to 1000000000000"},
                {"--seed", "a whole number from 0 to 4294967295"},
                {"--threads", "a whole number from 1 to 256"},
                {"--shard", "K/N, whole numbers with 1 <= K <= N <= 1000000"},
                {"--block-games", "a whole number from 1 to 1000000000000"},
                {"--bet-per-line", "a whole number from 1 to 99"},
                {"--gamble", "a whole number from 0 to 7"},
                {"--fortune", "three whole numbers from -100 to 100, as SPIN,RISK,BONUS"},
                {"--journal", "a file name"},
            };
            for (const auto& r : kRanges)
                if (name == r[0])
                    error = std::string(name) + " needs " + r[1] + ", not '" + std::string(value) + "'";
            return false;
        }
    }
    out = o;
    return true;
}

}  // namespace vortala::sim
